#pragma once
// The one way the game's rules reach the player. The desktop game shows real
// message boxes and windows; tests answer with a scripted fake. Every call is
// synchronous, so a rule continues only after the player closed the box.

#include <string>

#include "core/model/window.h"

namespace zorikan {

// The icon beside a Yes/No question: most ask, some report something done
// and offer what may follow.
enum class QuestionIcon { Question, Information };

class PlayerPort {
public:
    virtual ~PlayerPort() = default;

    // Appends one line to the battle log ("Battle Info"), visible or not.
    virtual void logLine(const std::string& line) = 0;
    virtual void information(const std::string& text) = 0;
    virtual void warning(const std::string& text) = 0;
    // An error box captioned "ZORIKAN Simulator".
    virtual void error(const std::string& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool question(const std::string& text, QuestionIcon icon = QuestionIcon::Question) = 0;
    // A Yes/No question whose Yes throws the player's progress away: a
    // hurried Enter or Esc answers No. A port without a default answer asks
    // it as any other question.
    virtual bool riskyQuestion(const std::string& text) { return question(text); }
    // A rule shows or hides a window at once. Showing the battle log clears it.
    virtual void setWindowVisible(Window window, bool visible) = 0;
};

}  // namespace zorikan
