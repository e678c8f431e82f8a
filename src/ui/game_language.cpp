#include "ui/game_language.h"

#include <QCoreApplication>
#include <string>
#include <vector>

#include "core/text/language.h"

// The translations are compiled into a static library, whose resources must
// be registered by hand before the first use.
static void RegisterTranslations() {
    Q_INIT_RESOURCE(translations);
}

namespace zorikan::ui {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString DesktopLanguage() {
#ifdef Q_OS_WIN
    std::vector<std::string> names;
    for (const QString& name : QLocale::system().uiLanguages()) names.push_back(name.toStdString());
    return ToQString(FirstShippedLanguage(names));
#else
    std::vector<QByteArray> values;
    return ToQString(PosixLanguage([&](const char* name) -> const char* {
        if (!qEnvironmentVariableIsSet(name)) return nullptr;
        values.push_back(qgetenv(name));
        return values.back().constData();
    }));
#endif
}

std::string QtTranslation::lookUp(const Message& message) const {
    return QCoreApplication::translate(message.context, message.english).toStdString();
}

std::string QtTranslation::lookUp(const CountedMessage& message, int count) const {
    const QString translated =
        QCoreApplication::translate(message.many.context, message.many.english, nullptr, count);
    // A text the catalogue lacks comes back as its English for many; English
    // then has its own form for one.
    QString untranslated = QString::fromUtf8(message.many.english);
    untranslated.replace(QLatin1String("%n"), QString::number(count));
    if (translated == untranslated) return EnglishForm(message, count);
    return translated.toStdString();
}

GameLanguage::GameLanguage(const QString& language, const QString& catalogueFolder) {
    // Resources and a file dialog's or a widget's own choices follow the
    // default locale; numbers the game shows never do (they are plain
    // decimals, the win percentage takes the system's separator).
    QLocale::setDefault(QLocale(language));
    if (language == ToQString(kEnglish)) return;
    RegisterTranslations();
    const bool game = game_.load("zorikan_" + language, catalogueFolder);
    const bool qt = qt_.load("qtbase_" + language, QStringLiteral(":/translations"));
    complete_ = game && qt;
    if (!game) qWarning("No translation of the game into %s", qPrintable(language));
    QCoreApplication::installTranslator(&qt_);
    QCoreApplication::installTranslator(&game_);
    UseTranslation(&core_);
}

GameLanguage::~GameLanguage() {
    UseTranslation(nullptr);
    QCoreApplication::removeTranslator(&game_);
    QCoreApplication::removeTranslator(&qt_);
    QLocale::setDefault(before_);
}

}  // namespace zorikan::ui
