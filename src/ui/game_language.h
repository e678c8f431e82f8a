#pragma once
// The game in the player's language: the language the desktop asks for, and
// the translations that show it, installed before any window or text.

#include <QLocale>
#include <QString>
#include <QTranslator>

#include "core/text/message.h"

namespace zorikan::ui {

// The desktop's language, one of the game's (core/text/language.h): on Linux
// from LANGUAGE, LC_ALL, LC_MESSAGES and LANG, on Windows the user's display
// languages.
QString DesktopLanguage();

// The core's templates, looked up in the same translation files as the
// windows' texts, under the template's context.
class QtTranslation : public Translation {
public:
    std::string lookUp(const Message& message) const override;
    // The language's plural form for `count`, from the same files.
    std::string lookUp(const CountedMessage& message, int count) const override;
};

// While it lives, the game speaks `language`: the game's catalogue
// zorikan_<language>.qm from `catalogueFolder` (the one built into the
// program unless a test brings its own), Qt's own texts for its dialogs and
// buttons, the core's templates, and the default locale, which picks the
// language's resources (the help page). English loads no catalogue. One at a
// time: the destructor puts English back.
class GameLanguage {
public:
    explicit GameLanguage(const QString& language,
                          const QString& catalogueFolder = QStringLiteral(":/translations"));
    ~GameLanguage();
    GameLanguage(const GameLanguage&) = delete;
    GameLanguage& operator=(const GameLanguage&) = delete;

    // Whether the game's catalogue and Qt's were found (always for English).
    bool complete() const { return complete_; }

private:
    QTranslator game_;
    QTranslator qt_;
    QtTranslation core_;
    QLocale before_;
    bool complete_ = true;
};

}  // namespace zorikan::ui
