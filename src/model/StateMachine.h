#pragma once
// What the model and the front ends know of a state machine.

class IStateMachine {
 public:
  virtual ~IStateMachine() = default;
  virtual bool IsIdle() const = 0;
  // Serial input is waiting.
  virtual void OnCommEvent() = 0;
  // Stops the run at its next command, as a dialog's Cancel does (the one in
  // progress finishes); false when the machine is idle.
  virtual bool Cancel() = 0;
};

// The contact machine, which the model owns and jobs hand back to.
class IContactMachine : public IStateMachine {
 public:
  virtual void StartAtOpenPort() = 0;
  virtual void StartAtFindSpeed() = 0;
  // Ends the run at once (the search never ends by itself).
  virtual void Abandon() = 0;
};
