// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void FakeSound::play(const QString &path, int flags)
{
    played.append({QFileInfo(path).fileName(), flags});
}

QStringList FakeSound::files() const
{
    QStringList out;
    for (const PlayedSound &p : played)
        out << p.file;
    return out;
}

float ScriptedRandom::next()
{
    const int i = drawn++;
    if (script.isEmpty())
        return 0.0f;
    return script.value(qMin<int>(i, int(script.size()) - 1));
}

TestProgram::TestProgram()
{
    const QDir assets(QStringLiteral(NUMBLOOM_ASSET_DIR));
    for (const QString &f : assets.entryList(QDir::Files))
        if (!f.endsWith(QLatin1String(".txt")))
            QFile::copy(assets.filePath(f), m_dir.filePath(f));
    Services s;
    s.sound = &sound;
    s.clock = &clock;
    s.random = &random;
    s.help = &help;
    s.browser = &browser;
    s.printer = &printer;
    module = std::make_unique<Module1>(s);
    module->AppDir = dir();
    module->endProgram = [this] { ++endCalls; };
}

void TestProgram::writeIni(const QByteArray &bytes)
{
    QFile f(m_dir.filePath(QStringLiteral("kwizzo.ini")));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

QByteArray TestProgram::readIni() const
{
    QFile f(m_dir.filePath(QStringLiteral("kwizzo.ini")));
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

bool RecordingPage::endDocument(QString *error)
{
    ended = true;
    if (fail && error)
        *error = QStringLiteral("paper jam");
    return !fail;
}

namespace {
// Hands the finished page's record back to the printer when the caller lets go.
class TrackedPage : public RecordingPage
{
public:
    explicit TrackedPage(FakePrinter *p) : m_printer(p) {}
    ~TrackedPage() override
    {
        if (ended) {
            m_printer->finished.append(ops);
            m_printer->breaks.append(pageBreaks);
        }
        m_printer->pages.removeAll(this);
    }

private:
    FakePrinter *m_printer;
};
} // namespace

std::unique_ptr<PageSurface> FakePrinter::startPage(const QString &documentName, PrintTarget *target, QString *error)
{
    documents << documentName;
    if (refuse) {
        if (error)
            *error = QStringLiteral("offline");
        return nullptr;
    }
    if (target)
        *target = {pdf,
                   pdf ? QStringLiteral("/home/child/Documents/") + documentName + QStringLiteral(".pdf")
                       : QStringLiteral("Office"),
                   pdf && noDefault};
    auto page = std::make_unique<TrackedPage>(this);
    page->fail = failAtEnd;
    pages << page.get();
    return page;
}
