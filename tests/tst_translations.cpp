// SPDX-License-Identifier: GPL-3.0-or-later
// Every language's texts in the places they are shown: each fits its control,
// its panel or the printed line, and the access keys of a window stay unique.
#include "app/format.h"
#include "app/translation.h"
#include "app/texts.h"
#include "fakes.h"
#include "mainwindow.h"
#include "loader/lazymodules.h"
#include "platform/twips.h"
#include "pages/pages.h"
#include "windows/frmabout.h"
#include "record/sqliterecord.h"
#include "modules/facts/frmfacts.h"
#include "windows/frmhmath.h"

#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QLibraryInfo>
#include <QStyle>
#include <QTableWidget>
#include <QTest>
#include <QTextDocument>
#include <QXmlStreamReader>
#include <QTimeZone>
#include <QTimer>
#include <QTranslator>
#include <functional>
#include <memory>

namespace {

const QStringList Languages{"en", "de", "fr", "es", "it", "pt_BR", "nl", "pl"};

// The whole program switched to a language as start-up does it.
void useLanguage(const QString &language)
{
    for (QTranslator *t : qApp->findChildren<QTranslator *>())
        delete t;
    setNumberLocale(QLocale::c());
    QString tag = language;
    const QString loaded = loadTranslation(*qApp, QStringLiteral(NUMBLOOM_PROGRAM_DIR "/translations"),
                                           {tag.replace(QLatin1Char('_'), QLatin1Char('-'))},
                                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded != (language == QLatin1String("en") ? QString() : language))
        qFatal("no translation %s", qPrintable(language));
}

// The text as drawn: "&&" is an ampersand, a single "&" marks the access key.
QString shown(QString t)
{
    t.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    t.remove(QLatin1Char('&'));
    return t.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// One text in one place: the room it has, in pixels, and whether it may wrap.
struct Place
{
    QString text;
    QFont font;
    QSize room;
    bool wrap = false;
};

QString overflow(const Place &p)
{
    const QFontMetrics fm(p.font);
    const QString t = shown(p.text);
    if (!p.wrap) {
        const int w = fm.horizontalAdvance(t);
        return w <= p.room.width() ? QString() : QStringLiteral("%1 px wide in %2").arg(w).arg(p.room.width());
    }
    // A word wider than the room would be cut, whatever the lines.
    for (const QString &word : t.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        if (fm.horizontalAdvance(word) > p.room.width())
            return QStringLiteral("the word \"%1\" is wider than %2 px").arg(word).arg(p.room.width());
    const QRect r = fm.boundingRect(QRect(QPoint(0, 0), QSize(p.room.width(), 10000)), Qt::TextWordWrap, t);
    return r.height() <= p.room.height() ? QString()
                                         : QStringLiteral("%1 px high in %2").arg(r.height()).arg(p.room.height());
}

// The room a control gives its caption, by what kind of control it is.
Place placeOf(QWidget *w, const QString &text)
{
    if (auto *f = qobject_cast<Frame *>(w); f && f->border() == Frame::Raised) // wrapped inside the bevel
        return {text, f->captionFont(), f->size() - QSize(16, 12), true};
    if (auto *f = qobject_cast<Frame *>(w)) // the caption sits from 8 px in, with 2 px either side
        return {text, f->captionFont(), QSize(f->width() - 8 - 4 - 2, f->height())};
    if (auto *o = qobject_cast<QRadioButton *>(w)) {
        const int mark = o->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, o)
                         + o->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, o);
        return {text, o->font(), QSize(o->width() - mark, o->height())};
    }
    if (auto *b = qobject_cast<QAbstractButton *>(w)) // a bevel and a little air on each side
        return {text, b->font(), QSize(b->width() - 8, b->height())};
    auto *l = qobject_cast<QLabel *>(w);
    return {text, l->font(), l->contentsRect().size(), l->wordWrap()};
}

QString currentText(QWidget *w)
{
    if (auto *f = qobject_cast<Frame *>(w))
        return f->caption();
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        return b->text();
    return qobject_cast<QLabel *>(w)->text();
}

// The program's windows in the language in use.
struct Windows
{
    explicit Windows(const QString &language)
    {
        useLanguage(language);
        program = std::make_unique<StartedProgram>("1\r\n3,1\r\n0,0,1,0,-1\r\n1,4,1000\r\n12\r\n");
        program->prog->module->PictureFactor = 12;
        program->prog->module->PictureMultiplier = 12;
        fact = std::make_unique<frmHMath>(*program->prog->module);
        record = std::make_unique<SqliteRecord>(dir.filePath(QStringLiteral("progress.sqlite")));
        record->flush();
        facts = std::make_unique<frmFacts>(*program->prog->module, *record, nullptr);
    }
    QWidget *find(const QString &name) const
    {
        for (QWidget *top : {static_cast<QWidget *>(program->main), static_cast<QWidget *>(program->about.get()),
                             static_cast<QWidget *>(fact.get()), static_cast<QWidget *>(facts.get())})
            if (auto *w = top->objectName() == name ? top : top->findChild<QWidget *>(name))
                return w;
        qFatal("no control %s", qPrintable(name));
    }
    std::unique_ptr<StartedProgram> program;
    std::unique_ptr<frmHMath> fact;
    QTemporaryDir dir;
    std::unique_ptr<SqliteRecord> record;
    std::unique_ptr<frmFacts> facts;
};

QString translated(const char *context, const char *text) { return QCoreApplication::translate(context, text); }

// Texts the window sets as a drill goes, beside the control that shows them.
const QVector<QPair<QString, std::function<QStringList()>>> &changingTexts()
{
    static const QVector<QPair<QString, std::function<QStringList()>>> texts{
        {"lbltitle", [] { return QStringList{translated("frmTable", "Study Numbloom"), translated("frmTable", "Practice Numbloom")}; }},
        {"lblStart", [] { return QStringList{translated("frmTable", "Start Practice"), translated("frmTable", "Stop Practice")}; }},
        {"cmdResults", [] { return QStringList{translated("frmTable", "&Review"), translated("frmTable", "&OK")}; }},
        {"lblDelay", [] { return QStringList{delayText(DelayMsMax)}; }},
        {"lblProblem", [] { return QStringList{translated("frmTable", "Tried: ") + "123", translated("frmTable", "Your Answer:")}; }},
        {"lblWrong", [] { return QStringList{translated("frmTable", "Correct: ") + "123", translated("frmTable", "Correct:")}; }},
    };
    return texts;
}

// The summary of 123 problems, 108 right, in 20:57 on a clock counting up:
// the widest figures the panel was laid out for.
QString summaryLine(int i) { return summarizeDrill(123, 15, 1, 1257, 4).lines[size_t(i)]; }

// Printed lines in the page's units: 850 across the paper's printable width,
// at most 7.5 inches on A4 or Letter with the printer's margins.
double printedWidth(const QString &text)
{
    QImage inch(1, 1, QImage::Format_RGB32);
    inch.setDotsPerMeterX(int(72 / 0.0254));
    inch.setDotsPerMeterY(int(72 / 0.0254));
    QFont courier(QStringLiteral("Courier New"));
    courier.setPointSizeF(12);
    return QFontMetricsF(courier, &inch).horizontalAdvance(text) / 72.0 * (850.0 / 7.5);
}

// A text with a count, as the catalogues key it.
struct CountText
{
    QString context, source, comment;
    QString at(int n) const
    {
        return QCoreApplication::translate(qPrintable(context), qPrintable(source),
                                           comment.isEmpty() ? nullptr : qPrintable(comment), n);
    }
};

const QString TranslationsDir = QStringLiteral(NUMBLOOM_ASSET_DIR "/../translations/");

// Every text with a count: the English catalogue holds exactly those.
QVector<CountText> countTexts()
{
    QVector<CountText> texts;
    QFile f(TranslationsDir + QStringLiteral("numbloom_en.ts"));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("no numbloom_en.ts");
    QXmlStreamReader xml(&f);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            texts.push_back({context, {}, {}});
        else if (xml.name() == QLatin1String("source"))
            texts.back().source = xml.readElementText();
        else if (xml.name() == QLatin1String("comment"))
            texts.back().comment = xml.readElementText();
    }
    return texts;
}

// The plural category of a count in each language, as its grammar has it
// (Unicode CLDR) for whole numbers: "one", "few" or "other".
QString category(const QString &language, int n)
{
    if (language == QLatin1String("pl")) {
        if (n == 1)
            return QStringLiteral("one");
        const int units = n % 10, tens = n % 100;
        return units >= 2 && units <= 4 && (tens < 12 || tens > 14) ? QStringLiteral("few") : QStringLiteral("many");
    }
    // French and Portuguese count 0 with 1: "0 essai", "0 tentativa".
    if (language == QLatin1String("fr") || language == QLatin1String("pt_BR"))
        return n <= 1 ? QStringLiteral("one") : QStringLiteral("other");
    return n == 1 ? QStringLiteral("one") : QStringLiteral("other");
}

// The text with its count taken out, to compare the words around it.
QString withoutCount(QString text, int n)
{
    return text.replace(QRegularExpression(QStringLiteral("(?<![\\d%])%1(?!\\d)").arg(n)), QStringLiteral("#"));
}

const QVector<int> Counts{0, 1, 2, 5, 22, 25};

} // namespace

class tst_translations : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { installFontSubstitutions(); }
    void cleanupTestCase() { useLanguage(QStringLiteral("en")); }
    void textFits_data();
    void textFits();
    void printedLineFits_data();
    void printedLineFits();
    void accessKeysUnique_data();
    void accessKeysUnique();
    void myFactsFitsTheScreen_data();
    void myFactsFitsTheScreen();
    void myFactsModuleSpeaksTheLanguage();
    void languageChosen_data();
    void languageChosen();
    void countsInTheirWords_data();
    void countsInTheirWords();
    void cataloguesFinished_data();
    void cataloguesFinished();
    void everyCountTakesItsForm();
    void storyCounts_data();
    void storyCounts();
    void helpUsesTheProgramsWords_data();
    void helpUsesTheProgramsWords();

private:
    const Windows &windowsIn(const QString &language)
    {
        if (m_language != language) {
            m_windows.reset();
            m_windows = std::make_unique<Windows>(language);
            m_language = language;
        }
        return *m_windows;
    }
    std::unique_ptr<Windows> m_windows;
    QString m_language;
};

void tst_translations::textFits_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("control");
    const QStringList controls{
        "fraMode", "optMode_0", "optMode_1", "fraFactor", "optFactor_0", "optFactor_14", "Label1", "cmdPrintFacts", "fraMax",
        "fraPractice", "lblStart", "lblPrint", "fraTimer", "optTimer_0", "optTimer_1", "optTimer_2", "fraDelay",
        "lblDelay", "cmdInfo", "cmdHelp", "cmdExit", "lbltitle", "lblProblem", "lblWrong", "fraResults",
        "lblResults_0", "lblResults_1", "lblResults_2", "lblResults_3", "cmdResults", "cmdRevNext", "cmdRevStop",
        "cmdFacts",
        // About, and the fact picture's OK
        "SSPanel1", "Command1", "Command2", "frmHMath/Command1"};
    for (const QString &language : Languages)
        for (const QString &control : controls)
            QTest::addRow("%s %s", qPrintable(language), qPrintable(control)) << language << control;
}

void tst_translations::textFits()
{
    QFETCH(QString, language);
    QFETCH(QString, control);
    const Windows &win = windowsIn(language);
    QWidget *w = control.startsWith(QLatin1String("frmHMath/")) ? win.fact->findChild<QWidget *>(control.mid(9))
                                                                : win.find(control);
    QVERIFY(w);
    QStringList texts{currentText(w)};
    for (const auto &[name, make] : changingTexts())
        if (name == control)
            texts = make();
    QSize room = w->size();
    if (control.startsWith(QLatin1String("lblResults_"))) {
        const QLabel *label = ui(win.program->main).lblResults[size_t(control.back().digitValue())];
        texts = {summaryLine(control.back().digitValue())};
        // Lines beside the results' button must end before it.
        const QRect button = ui(win.program->main).cmdResults->geometry();
        if ((label->geometry() & button).height() > 2)
            room.setWidth(button.x() - label->x());
    }
    for (const QString &text : texts) {
        QVERIFY2(!text.isEmpty(), qPrintable(control));
        Place p = placeOf(w, text);
        p.room = p.room.boundedTo(room);
        const QString why = overflow(p);
        QVERIFY2(why.isEmpty(), qPrintable(QStringLiteral("\"%1\": %2").arg(text, why)));
    }
}

void tst_translations::printedLineFits_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("line");
    for (const QString &language : Languages) {
        QTest::addRow("%s worksheet heading", qPrintable(language)) << language << 0;
        QTest::addRow("%s worksheet factor, random", qPrintable(language)) << language << 1;
        QTest::addRow("%s worksheet factor 12", qPrintable(language)) << language << 2;
        QTest::addRow("%s facts heading", qPrintable(language)) << language << 3;
        QTest::addRow("%s facts factor", qPrintable(language)) << language << 4;
        QTest::addRow("%s answers heading", qPrintable(language)) << language << 5;
        QTest::addRow("%s worksheet factor, Tricky", qPrintable(language)) << language << 6;
        QTest::addRow("%s tricky facts heading", qPrintable(language)) << language << 7;
    }
}

void tst_translations::printedLineFits()
{
    QFETCH(QString, language);
    QFETCH(int, line);
    useLanguage(language);
    m_language.clear(); // the windows built before belong to another language now
    // Worksheet lines start at 50 and must end by the grid's right edge at
    // 800; the facts sheet's start at 100 and its grid ends at 750.
    // The longest name a child may have.
    const QString name(40, QLatin1Char('W'));
    const QString texts[] = {printNotice() + Printing::tr("  Score______ Time_______"), worksheetFactorLine(-1, 12),
                             worksheetFactorLine(12, 12), printNotice(), Printing::tr("Factor is ") + "12",
                             printNotice() + "  " + Printing::tr("Answers", "the heading of a worksheet's answer page"), worksheetFactorLine(FactorTricky, 12, name),
                             trickyFactsHeading(name)};
    const double room = line < 3 || line == 5 || line == 6 ? 750 : 650;
    const double width = printedWidth(texts[line]);
    QVERIFY2(width <= room, qPrintable(QStringLiteral("\"%1\" is %2 wide in %3").arg(texts[line]).arg(width).arg(room)));
}

void tst_translations::accessKeysUnique_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("window");
    for (const QString &language : Languages)
        for (const char *window : {"frmTable", "frmAbout", "frmFacts"})
            QTest::addRow("%s %s", qPrintable(language), window) << language << QString::fromLatin1(window);
}

void tst_translations::accessKeysUnique()
{
    QFETCH(QString, language);
    QFETCH(QString, window);
    const Windows &win = windowsIn(language);
    QWidget *top = win.find(window);
    // Every caption and the other text its button can take.
    QStringList captions;
    for (QAbstractButton *b : top->findChildren<QAbstractButton *>())
        captions << b->text();
    for (QLabel *l : top->findChildren<QLabel *>())
        if (l->buddy())
            captions << l->text();
    if (window == QLatin1String("frmTable"))
        captions << translated("frmTable", "&OK");
    QHash<QChar, QString> taken;
    for (const QString &caption : captions) {
        const int at = QString(caption).replace(QLatin1String("&&"), QLatin1String("xx")).indexOf(QLatin1Char('&'));
        if (at < 0)
            continue;
        QVERIFY2(at + 1 < caption.size() && caption.at(at + 1).isLetterOrNumber(), qPrintable(caption));
        const QChar key = caption.at(at + 1).toLower();
        QVERIFY2(!taken.contains(key) || taken[key] == caption,
                 qPrintable(QStringLiteral("%1 and %2 share %3").arg(taken[key], caption, key)));
        taken[key] = caption;
    }
    // As many access keys as in English: a translation that lost its "&" shows here.
    static QHash<QString, int> english;
    if (language == QLatin1String("en"))
        english[window] = int(taken.size());
    QCOMPARE(int(taken.size()), english.value(window));
}

void tst_translations::myFactsFitsTheScreen_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : Languages)
        QTest::newRow(qPrintable(language)) << language;
}

void tst_translations::myFactsFitsTheScreen()
{
    // The smallest screen a family's computer has: 1024 x 768, less a title bar.
    QFETCH(QString, language);
    const QSize size = windowsIn(language).facts->sizeHint();
    QVERIFY2(size.width() <= 1024 && size.height() <= 740,
             qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
    // Shown as the program shows it, nothing lies over the map: the legend
    // below it, the legend's lines whole where a language wraps them onto
    // one more line.
    QWidget &w = *windowsIn(language).facts;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const auto *map = w.findChild<QWidget *>(QStringLiteral("grdFacts"));
    const auto *legend = w.findChild<QWidget *>(QStringLiteral("lblLegend_0"));
    const auto *meaning = w.findChild<QLabel *>(QStringLiteral("lblMeaning"));
    const bool clear = legend->geometry().top() > map->geometry().bottom()
                       && meaning->height() >= meaning->heightForWidth(meaning->width());
    w.hide();
    QVERIFY(clear);
}

void tst_translations::myFactsModuleSpeaksTheLanguage()
{
    // The program's own module, as a family runs it: it has a copy of the
    // program's libraries, and still writes dates and decimals in German.
    const Windows &win = windowsIn(QStringLiteral("de"));
    const QDateTime at(QDate(2026, 12, 3), QTime(15, 0), QTimeZone::utc());
    win.record->drillStarted({at, 7, 12, ClockOff, 0});
    win.record->answerJudged({at, 7, 8, 56, true, 2400});
    win.record->drillEnded(at);
    win.record->flush();
    Module1 &m = *win.program->prog->module;
    const QString folder = std::exchange(m.AppDir, QStringLiteral(NUMBLOOM_PROGRAM_DIR "/"));
    m.svc.record = win.record.get();
    QString story;
    QTimer::singleShot(0, [&] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("frmFacts") && w->isVisible()) {
                w->findChild<QTableWidget *>(QStringLiteral("grdFacts"))->setCurrentCell(8, 7);
                story = w->findChild<QLabel *>(QStringLiteral("lblStory"))->text();
                w->close();
            }
    });
    openMyFacts(m, nullptr);
    m.AppDir = folder;
    m.svc.record = nullptr;
    QCOMPARE(story, QStringLiteral("7 x 8 = 56: 1 Versuch, 1 richtig, zuletzt am 3. Dezember in 2,4 s"));
}

void tst_translations::languageChosen_data()
{
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("sec");
    QTest::newRow("C locale") << QStringList{"C"} << "" << "5.00 sec";
    QTest::newRow("untranslated language") << QStringList{"ru-RU", "ru"} << "" << "5.00 sec";
    QTest::newRow("English before German") << QStringList{"en-GB", "de-DE"} << "" << "5.00 sec";
    QTest::newRow("German") << QStringList{"de-DE", "de", "en-US"} << "de" << "5,00 s";
    QTest::newRow("untranslated, then Polish") << QStringList{"uk-UA", "pl-PL"} << "pl" << "5,00 s";
    QTest::newRow("Brazil") << QStringList{"pt-BR"} << "pt_BR" << "5,00 s";
    QTest::newRow("Portugal takes Brazil's") << QStringList{"pt-PT"} << "pt_BR" << "5,00 s";
}

void tst_translations::languageChosen()
{
    QFETCH(QStringList, languages);
    QFETCH(QString, chosen);
    QFETCH(QString, sec);
    useLanguage(QStringLiteral("en"));
    m_language.clear();
    const QString program = QStringLiteral(NUMBLOOM_PROGRAM_DIR "/");
    QCOMPARE(loadTranslation(*qApp, program + "translations", languages,
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)),
             chosen);
    QCOMPARE(delayText(5000), sec);
    // Qt's own buttons come in the same language, or stay English.
    QCOMPARE(translated("QPlatformTheme", "Cancel") == QLatin1String("Cancel"), chosen.isEmpty());
    QCOMPARE(QFileInfo(helpFileFor(program, chosen)).fileName(),
             chosen.isEmpty() ? QStringLiteral("kwizzo.hlp") : QStringLiteral("kwizzo_%1.hlp").arg(chosen));
    useLanguage(QStringLiteral("en"));
}

void tst_translations::countsInTheirWords_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("text");
    const QVector<CountText> texts = countTexts();
    QVERIFY(texts.size() >= 7);
    for (const QString &language : Languages)
        for (int i = 0; i < texts.size(); ++i)
            QTest::addRow("%s %s", qPrintable(language), qPrintable(texts[i].source)) << language << i;
}

void tst_translations::countsInTheirWords()
{
    // Each text with a count, at the counts where languages part: the count
    // is in it, counts of one plural form read alike, and where English says
    // "1 try" but "2 tries" the language changes its words between its
    // singular and its other forms too. Polish may share a word between
    // "few" and "many" (2 dni, 5 dni; 2 odpowiedzi, 5 odpowiedzi).
    QFETCH(QString, language);
    QFETCH(int, text);
    const CountText t = countTexts()[text];
    useLanguage(QStringLiteral("en"));
    QHash<int, QString> english;
    for (int n : Counts)
        english[n] = t.at(n);
    const bool englishInflects = withoutCount(english[1], 1) != withoutCount(english[2], 2);
    useLanguage(language);
    m_language.clear();
    QHash<QString, QString> byCategory; // one wording for each category
    for (int n : Counts) {
        const QString said = t.at(n);
        qInfo("%s %d: %s", qPrintable(language), n, qPrintable(said));
        QVERIFY2(said.contains(QRegularExpression(QStringLiteral("(?<![\\d%])%1(?!\\d)").arg(n))), qPrintable(said));
        QVERIFY2(!said.contains(QLatin1String("%n")), qPrintable(said));
        // French says "1 minute, 2 minutes" as English does.
        static const QStringList sameWords{QStringLiteral("fr %n minutes")};
        if (language != QLatin1String("en") && !sameWords.contains(language + QLatin1Char(' ') + t.source))
            QVERIFY2(said != english[n], qPrintable(QStringLiteral("still English: ") + said));
        const QString c = category(language, n), words = withoutCount(said, n);
        if (byCategory.contains(c))
            QVERIFY2(byCategory[c] == words, qPrintable(QStringLiteral("%1 and %2 in one form (%3)").arg(byCategory[c], words, c)));
        byCategory[c] = words;
    }
    if (!englishInflects)
        return;
    for (auto a = byCategory.cbegin(); a != byCategory.cend(); ++a)
        for (auto b = byCategory.cbegin(); b != byCategory.cend(); ++b)
            if (a.key() == QLatin1String("one") && b.key() != a.key())
                QVERIFY2(a.value() != b.value(), qPrintable(QStringLiteral("the same words for %1 and %2: %3")
                                                                .arg(a.key(), b.key(), a.value())));
}

void tst_translations::cataloguesFinished_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : Languages)
        QTest::newRow(qPrintable(language)) << language;
}

void tst_translations::cataloguesFinished()
{
    // No text left unfinished or without a translation, and every text with a
    // count has all the forms its language needs (Polish three, the others two).
    QFETCH(QString, language);
    QFile f(TranslationsDir + QStringLiteral("numbloom_%1.ts").arg(language));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const int forms = language == QLatin1String("pl") ? 3 : 2;
    QXmlStreamReader xml(&f);
    QString source;
    int messages = 0, counted = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("message")) {
            ++messages;
            counted += xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            QVERIFY2(xml.attributes().value(QLatin1String("type")).isEmpty(), qPrintable(source));
            QStringList numerus;
            QString text;
            while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != QLatin1String("translation")) {
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    numerus << xml.readElementText();
                else if (xml.isCharacters())
                    text += xml.text();
            }
            if (source.contains(QLatin1String("%n"))) {
                QCOMPARE(numerus.size(), forms);
                QVERIFY2(!numerus.contains(QString()), qPrintable(source));
            } else {
                QVERIFY2(!text.trimmed().isEmpty(), qPrintable(source));
            }
        }
    }
    QVERIFY(!xml.hasError());
    QVERIFY(language == QLatin1String("en") ? messages == counted : messages > 150);
    QCOMPARE(counted, int(countTexts().size()));
}

void tst_translations::everyCountTakesItsForm()
{
    // A count put into a text as a plain number ("%1 seconds") gets the
    // English plural in every language: such texts take %n instead. A file
    // name ("%1 answers.csv") is no count, nor a whole ("%n of %1 facts"),
    // nor a product ("%1 times %2").
    QFile f(TranslationsDir + QStringLiteral("numbloom_de.ts"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QRegularExpression count(QStringLiteral(
        "%[1-9] (tries|answers|seconds|minutes|facts|problems|days|times)\\b(?!\\.\\w)(?! %[1-9])"));
    QXmlStreamReader xml(&f);
    QStringList found;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("source"))
            if (const QString s = xml.readElementText(); s.contains(count) && !s.contains(QLatin1String("%n")))
                found << s;
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

void tst_translations::storyCounts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("stories");
    QTest::newRow("en") << "en" << QStringList{
        "2 x 3 = 6: 1 try, 1 right, last on 3 December in 2.4 s",
        "3 x 4 = 12: 2 tries, 2 right, last on 3 December in 2.4 s",
        "4 x 5 = 20: 5 tries, 5 right, last on 3 December in 2.4 s",
        "7 x 8 = 56: 22 tries, 22 right, last on 3 December in 2.4 s"};
    QTest::newRow("pl") << "pl" << QStringList{
        "2 x 3 = 6: 1 próba, dobrze: 1, ostatnio 3 grudnia, w 2,4 s",
        "3 x 4 = 12: 2 próby, dobrze: 2, ostatnio 3 grudnia, w 2,4 s",
        "4 x 5 = 20: 5 prób, dobrze: 5, ostatnio 3 grudnia, w 2,4 s",
        "7 x 8 = 56: 22 próby, dobrze: 22, ostatnio 3 grudnia, w 2,4 s"};
}

void tst_translations::storyCounts()
{
    // A fact's story with 1, 2, 5 and 22 tries, from a real record: the
    // English "1 try" and Polish's three forms ("próba, próby, prób").
    QFETCH(QString, language);
    QFETCH(QStringList, stories);
    const Windows &win = windowsIn(language);
    const QDateTime at(QDate(2026, 12, 3), QTime(12, 0), QTimeZone::utc());
    const int facts[][3] = {{2, 3, 1}, {3, 4, 2}, {4, 5, 5}, {7, 8, 22}};
    win.record->drillStarted({at, 7, 12, ClockOff, 0});
    for (const auto &[a, b, tries] : facts)
        for (int i = 0; i < tries; ++i)
            win.record->answerJudged({at, a, b, a * b, true, 2400});
    win.record->drillEnded(at);
    win.record->flush();
    frmFacts facts2(*win.program->prog->module, *win.record, nullptr);
    for (size_t i = 0; i < std::size(facts); ++i) {
        const QString story = facts2.factStory(facts[i][0], facts[i][1]);
        qInfo("%s", qPrintable(story));
        QCOMPARE(story, stories[int(i)]);
    }
}

void tst_translations::helpUsesTheProgramsWords_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : Languages)
        QTest::newRow(qPrintable(language)) << language;
}

void tst_translations::helpUsesTheProgramsWords()
{
    // The help names the controls and the states as the windows show them
    // in its language, so a parent finds on screen what the help names.
    QFETCH(QString, language);
    useLanguage(language);
    m_language.clear();
    QFile f(helpFileFor(QStringLiteral(NUMBLOOM_ASSET_DIR "/"), language == QLatin1String("en") ? QString() : language));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QTextDocument doc;
    doc.setHtml(QString::fromUtf8(f.readAll()));
    const QString help = doc.toPlainText().replace(QChar(0xa0), QLatin1Char(' '));
    const char *const words[][2] = {
        {"frmTable", "&My Facts"}, {"frmTable", "Tricky"}, {"frmTable", "Random"}, {"frmTable", "Study"},
        {"frmTable", "Practice"}, {"frmTable", "&Print Facts"}, {"frmTable", "Print Worksheet"},
        {"frmTable", "Maximum Multiplier"}, {"frmTable", "Start Practice"}, {"frmTable", "&Review"},
        {"frmFacts", "&Child:"}, {"frmFacts", "&Add..."}, {"frmFacts", "&Rename..."}, {"frmFacts", "Re&move..."},
        {"frmFacts", "&Known within:"}, {"frmFacts", "&Print for the Parent"}, {"frmFacts", "Save as C&SV..."},
        {"frmFacts", "known"}, {"frmFacts", "getting there"}, {"frmFacts", "tricky"}, {"frmFacts", "not yet tried"},
        {"Printing", "Also print the &answers"}, {"frmTable", "Nothing is tricky yet."}};
    QStringList missing;
    for (const auto &[context, text] : words) {
        QString w = shown(translated(context, text)).replace(QChar(0xa0), QLatin1Char(' ')).trimmed();
        w.remove(QRegularExpression(QStringLiteral("(\\.\\.\\.| ?:)$")));
        if (!help.contains(w, Qt::CaseInsensitive))
            missing << w;
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(" | "))));
    QVERIFY(help.contains(shown(Printing::tr("Answers", "the heading of a worksheet's answer page"))));
}

QTEST_MAIN(tst_translations)
#include "tst_translations.moc"
