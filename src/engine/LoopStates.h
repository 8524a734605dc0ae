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

// Goes on to its successor while the counter is below the limit, else to the
// state after the loop.
template <class T>
class CLoopTestState : public CState<T> {
 public:
  CLoopTestState(T& owner, CState<T>* next, CState<T>* done, unsigned limit)
      : CState<T>(owner, "LoopTest", next), m_done(done), m_limit(limit) {}
  void Enter() override {
    if (this->Owner().LoopCounter() < m_limit)
      this->Next();
    else
      this->Owner().Go(*m_done);
  }

 private:
  CState<T>* m_done;
  unsigned m_limit;
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
