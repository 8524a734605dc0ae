#pragma once
// Loop counting on a counter the machine keeps (T::LoopCounter()).

#include "engine/State.h"

template <class T>
class CLoopInitState : public CState<T> {
 public:
  CLoopInitState(T& owner, CState<T>* next, const char* name = "LoopInit") : CState<T>(owner, name, next) {}
  void Enter() override {
    this->Owner().LoopCounter() = 0;
    this->Next();
  }
};

template <class T>
class CLoopStepState : public CState<T> {
 public:
  CLoopStepState(T& owner, CState<T>* next, const char* name = "LoopStep") : CState<T>(owner, name, next) {}
  void Enter() override {
    ++this->Owner().LoopCounter();
    this->Next();
  }
};

// Goes to the body while the counter is below the machine's count, else on.
template <class T>
class CLoopTestState : public CState<T> {
 public:
  using Count = int (T::*)() const;
  CLoopTestState(T& owner, const char* name, CState<T>* body, CState<T>* exit, Count count)
      : CState<T>(owner, name, exit), m_body(body), m_count(count) {}
  void Enter() override {
    T& owner = this->Owner();
    if (owner.LoopCounter() < (owner.*m_count)())
      owner.Go(*m_body);
    else
      this->Next();
  }

 private:
  CState<T>* m_body;
  Count m_count;
};
