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

// Goes to the loop's body while the counter is below a limit, else out of the
// loop. The limit is fixed, or the machine's count at the time of the test.
template <class T>
class CLoopTestState : public CState<T> {
 public:
  using Count = int (T::*)() const;
  CLoopTestState(T& owner, CState<T>* body, CState<T>* done, unsigned limit)
      : CState<T>(owner, "LoopTest", done), m_body(body), m_limit(limit) {}
  CLoopTestState(T& owner, const char* name, CState<T>* body, CState<T>* exit, Count count)
      : CState<T>(owner, name, exit), m_body(body), m_count(count) {}
  void Enter() override {
    T& owner = this->Owner();
    const long long limit = m_count != nullptr ? (owner.*m_count)() : m_limit;
    if (static_cast<long long>(owner.LoopCounter()) < limit)
      owner.Go(*m_body);
    else
      this->Next();
  }

 private:
  CState<T>* m_body;
  unsigned m_limit = 0;
  Count m_count = nullptr;
};
