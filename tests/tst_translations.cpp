// Every language's texts in the places they are shown: each fits its control,
// its panel or the printed line, and the access keys of a window stay unique.
#include "app/format.h"
#include "app/translation.h"
#include "app/texts.h"
#include "fakes.h"
#include "mainwindow.h"
#include "platform/lazymodules.h"
#include "platform/twips.h"
#include "print/pages.h"
#include "windows/frmabout.h"
#include "progress/sqliterecord.h"
#include "windows/frmfacts.h"
#include "windows/frmhmath.h"

#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QLibraryInfo>
#include <QStyle>
#include <QTableWidget>
#include <QTest>
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
                             printNotice() + "  " + Printing::tr("Answers"), worksheetFactorLine(FactorTricky, 12, name),
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

QTEST_MAIN(tst_translations)
#include "tst_translations.moc"
