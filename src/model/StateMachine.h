#pragma once
// What the model and the front ends know of a state machine.

class IStateMachine {
 public:
  virtual ~IStateMachine() = default;
  virtual bool IsIdle() const = 0;
  // Serial input is waiting.
  virtual void OnCommEvent() = 0;
};

// The contact machine, which the model owns and jobs hand back to.
class IContactMachine : public IStateMachine {
 public:
  virtual void StartAtOpenPort() = 0;
  virtual void StartAtFindSpeed() = 0;
};
