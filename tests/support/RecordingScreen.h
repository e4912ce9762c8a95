// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "Game.h"
#include "Screen.h"

namespace ringvale::test {

struct Shown {
  std::string prompt, title;
  bool operator==(const Shown&) const = default;
};

// Records what the game shows and answers input boxes and questions from scripts (a question
// with no answer left is answered No). ShowFight plays the bout
// with `playFight` (by default: Next Round until the window closes).
class RecordingScreen final : public Screen {
 public:
  void Message(const std::string& prompt, const std::string& title) override {
    messages.push_back({prompt, title});
    if (onMessage) onMessage(messages.back());
  }
  std::string InputBox(const std::string&, const std::string&) override {
    if (inputs.empty()) return "";
    std::string answer = inputs.front();
    inputs.pop_front();
    return answer;
  }
  bool Confirm(const std::string& prompt, const std::string& title) override {
    questions.push_back({prompt, title});
    if (answers.empty()) return false;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
  }
  void FreezeWindow() override {
    if (frozen) throw std::logic_error("window frozen twice");
    frozen = true;
    ++freezes;
  }
  void UnfreezeWindow() override { frozen = false; }
  // What it recorded; the one input box comes with New, never inside a week or a bout.
  int BoxesShown() const override { return int(messages.size() + questions.size()); }
  void ShowFight() override;
  void CloseFight() override { fightOpen = false; }

  std::vector<Shown> messages;
  std::deque<std::string> inputs;
  std::vector<Shown> questions;
  std::deque<bool> answers;
  std::function<void(const Shown&)> onMessage;
  Game* game = nullptr;                  // needed to play bouts
  std::function<void(Game&)> playFight;  // plays one bout while the window is open
  bool frozen = false, fightOpen = false;
  int freezes = 0, fightsShown = 0;
};

}  // namespace ringvale::test
