// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace ringvale {

// What the game asks of the window system.
class Screen {
 public:
  virtual ~Screen() = default;
  // Modal box with OK. `title` is what the player sees: "Ringvale" for a box that has no title
  // of its own.
  virtual void Message(const std::string& prompt, const std::string& title) = 0;
  virtual std::string InputBox(const std::string& prompt,
                               const std::string& title) = 0;  // "" on Cancel
  // Modal Yes/No question, No the default: true for Yes, false for No or a closed box.
  virtual bool Confirm(const std::string& prompt, const std::string& title) = 0;
  virtual void FreezeWindow() = 0;    // main window stops repainting
  virtual void UnfreezeWindow() = 0;  // repaints it
  virtual void ShowFight() = 0;       // modal: returns after CloseFight()
  virtual void CloseFight() = 0;      // no effect when the fight window is not open
  // How many boxes (messages, questions, input boxes) have been shown so far: a command that
  // repeats another stops when this changes. A screen that does not count answers 0.
  virtual int BoxesShown() const { return 0; }
};

}  // namespace ringvale
