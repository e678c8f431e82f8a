// Checks that a language is complete before it goes into the game: every
// text of the current sources (a fresh lupdate extraction) has a finished
// translation in the language's .ts files, and each translation carries
// exactly the %N arguments of its English text. A text around a count
// (numerus) has one finished form for each plural form of the language.
// Prints one line per fault and exits with 1 when there is any.
//
//   zorikan_check_translations --sources EXTRACTED.ts... --translations LANGUAGE.ts...

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTextStream>
#include <QXmlStreamReader>
#include <algorithm>

namespace {

// One message of a .ts file: where it comes from and what it became.
struct Entry {
    QString file;
    QString context;
    QString source;
    QString comment;           // the disambiguation, part of what identifies a text
    QString state;             // the translation's type: "" when finished
    QStringList translations;  // one, or one per plural form
    bool numerus = false;      // a text around a count, translated in plural forms
    QString language;          // the file's language, such as de_DE
};

QString Key(const Entry& e) {
    return e.context + QChar(0) + e.source + QChar(0) + e.comment;
}

// The messages of `path`, or an error text.
QList<Entry> ReadTs(const QString& path, QString& error) {
    QList<Entry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = path + ": " + file.errorString();
        return entries;
    }
    QXmlStreamReader xml(&file);
    QString context;
    QString language;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == u"message") entries.append(entry);
            continue;
        }
        const auto name = xml.name();
        if (name == u"TS") {
            language = xml.attributes().value("language").toString();
        } else if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            entry = Entry{QFileInfo(path).fileName(), context, {}, {}, {}, {}, false, language};
            entry.numerus = xml.attributes().value("numerus") == u"yes";
        } else if (name == u"source") {
            entry.source = xml.readElementText();
        } else if (name == u"comment") {
            entry.comment = xml.readElementText();
        } else if (name == u"translation") {
            entry.state = xml.attributes().value("type").toString();
            // A plural message holds its forms as children; a plain one, text.
            QString text;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isCharacters()) text += xml.text();
                if (xml.isStartElement() && xml.name() == u"numerusform")
                    entry.translations.append(xml.readElementText());
                if (xml.isEndElement() && xml.name() == u"translation") break;
            }
            if (entry.translations.isEmpty()) entry.translations.append(text);
        }
    }
    if (xml.hasError())
        error = QString("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
    return entries;
}

// The numbers of the %N (and %LN) arguments a text uses.
QSet<int> Arguments(const QString& text) {
    static const QRegularExpression argument("%L?(\\d+)");
    QSet<int> numbers;
    for (const auto& match : argument.globalMatch(text)) numbers.insert(match.captured(1).toInt());
    return numbers;
}

// How many plural forms Qt asks of a language's translators; 0 for a
// language this check does not know.
int PluralForms(const QString& language) {
    static const QMap<QString, int> forms{{"de", 2}, {"en", 2}, {"es", 2}, {"fr", 2}, {"it", 2},
                                          {"pt", 2}, {"pl", 3}, {"ru", 3}, {"ja", 1}, {"zh", 1}};
    return forms.value(language.section('_', 0, 0), 0);
}

// What is wrong with the forms of a numerus translation, or nothing.
QString PluralFault(const Entry& t) {
    if (!t.numerus) return "not in plural forms";
    const int wanted = PluralForms(t.language);
    if (wanted != 0 && t.translations.size() != wanted)
        return QString("%1 plural form(s) where %2 has %3")
            .arg(t.translations.size())
            .arg(t.language)
            .arg(wanted);
    for (int i = 0; i < t.translations.size(); ++i)
        if (t.translations[i].isEmpty()) return QString("plural form %1 empty").arg(i + 1);
    return {};
}

QString Listed(const QSet<int>& numbers) {
    QList<int> sorted = numbers.values();
    std::sort(sorted.begin(), sorted.end());
    QStringList out;
    for (int n : sorted) out << "%" + QString::number(n);
    return out.isEmpty() ? "none" : out.join(' ');
}

QString Quoted(const Entry& e) {
    return e.context + " \"" + e.source + "\"" +
           (e.comment.isEmpty() ? "" : " (" + e.comment + ")");
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList sources, translations;
    QStringList* into = nullptr;
    for (const QString& argument : app.arguments().mid(1)) {
        if (argument == "--sources")
            into = &sources;
        else if (argument == "--translations")
            into = &translations;
        else if (into)
            into->append(argument);
    }
    QTextStream err(stderr);
    if (sources.isEmpty() || translations.isEmpty()) {
        err << "usage: zorikan_check_translations --sources EXTRACTED.ts... --translations "
               "LANGUAGE.ts...\n";
        return 2;
    }

    QString error;
    QMap<QString, Entry> translated;
    QString names;
    for (const QString& path : translations) {
        for (const Entry& e : ReadTs(path, error)) translated.insert(Key(e), e);
        names += (names.isEmpty() ? "" : ", ") + QFileInfo(path).fileName();
    }
    QStringList faults;
    for (const QString& path : sources) {
        for (const Entry& english : ReadTs(path, error)) {
            auto found = translated.constFind(Key(english));
            if (found == translated.constEnd()) {
                faults << "missing: " + Quoted(english);
                continue;
            }
            const Entry& t = *found;
            const bool empty = std::all_of(t.translations.begin(), t.translations.end(),
                                           [](const QString& s) { return s.isEmpty(); });
            if (!t.state.isEmpty() || empty) {
                faults << t.file + ": " + (t.state.isEmpty() ? "empty" : t.state) + ": " +
                              Quoted(english);
                continue;
            }
            if (english.numerus) {
                const QString fault = PluralFault(t);
                if (!fault.isEmpty()) {
                    faults << t.file + ": " + fault + ": " + Quoted(english);
                    continue;
                }
            }
            const QSet<int> want = Arguments(english.source);
            for (const QString& text : t.translations)
                if (Arguments(text) != want)
                    faults << t.file + ": arguments " + Listed(Arguments(text)) +
                                  " where English has " + Listed(want) + ": " + Quoted(english) +
                                  " -> \"" + text + "\"";
        }
    }
    if (!error.isEmpty()) {
        err << error << "\n";
        return 2;
    }
    for (const QString& fault : faults) err << fault << "\n";
    if (!faults.isEmpty()) {
        err << faults.size() << " fault(s) in " << names
            << ": translate them in Qt Linguist, or configure with "
               "-DZORIKAN_CHECK_TRANSLATIONS=OFF while the language is in progress.\n";
        return 1;
    }
    return 0;
}
