#pragma once
// Loop counting on a counter the machine keeps (T::LoopCounter()).

#include "engine/State.h"

template <class T>
class CLoopInitState : public CState<T> {
 public:
  CLoopInitState(T& owner, CState<T>* next) : CState<T>(owner, "LoopInit", next) {}
  void Enter() override {
    this->Owner().LoopCounter() = 0;
    this->Next();
  }
};

template <class T>
class CLoopStepState : public CState<T> {
 public:
  CLoopStepState(T& owner, CState<T>* next) : CState<T>(owner, "LoopStep", next) {}
  void Enter() override {
    ++this->Owner().LoopCounter();
    this->Next();
  }
};
