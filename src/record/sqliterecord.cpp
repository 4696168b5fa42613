// SPDX-License-Identifier: GPL-3.0-or-later
#include "sqliterecord.h"
#include "recordreports.h"
#include "recordstore.h"

#include <QDir>
#include <QFileInfo>
#include <QMetaMethod>
#include <QTimer>

namespace {
// A moment's wait for another copy of the program is normal; the family
// hears of a busy file only when it lasts this long.
constexpr int BusyPatienceMs = 5000;
// How soon a write that failed is tried again: another holder lets go soon,
// room on a full disk takes longer.
constexpr int BusyRetryMs = 500, FailedRetryMs = 2000;

int answersIn(const QVector<RecordEvent> &events)
{
    return int(std::count_if(events.begin(), events.end(),
                             [](const RecordEvent &e) { return e.kind == RecordEvent::Kind::AnswerJudged; }));
}
} // namespace

SqliteRecord::SqliteRecord(const QString &path, QObject *parent)
    : ChildRecord(parent), m_path(path), m_worker(new QObject), m_file(std::make_unique<RecordFile>()),
      m_store(std::make_unique<RecordStore>(*m_file)), m_reports(std::make_unique<RecordReports>(*m_file))
{
    m_thread.setObjectName(QStringLiteral("numbloom-record"));
    m_worker->moveToThread(&m_thread);
    m_thread.start(QThread::LowPriority);
    post([this] { open(); });
}

SqliteRecord::~SqliteRecord()
{
    // Waits for the writes queued before it, tries once more what waits,
    // then closes the file.
    wait([this] {
        if (health() == Health::Ready)
            write();
        if (m_retry)
            m_retry->stop();
        m_reports.reset();
        m_store.reset();
        m_file.reset();
    });
    m_thread.quit();
    m_thread.wait();
    // Its thread has ended: nothing runs on it any more.
    delete m_worker;
}

template <class F> void SqliteRecord::post(F &&job)
{
    QMetaObject::invokeMethod(m_worker, std::forward<F>(job), Qt::QueuedConnection);
}

template <class F> void SqliteRecord::wait(F &&job) const
{
    QMetaObject::invokeMethod(m_worker, std::forward<F>(job), Qt::BlockingQueuedConnection);
}

template <class F> bool SqliteRecord::edit(F &&change, QString *error)
{
    if (error)
        error->clear();
    bool ok = false;
    wait([&] {
        RecordFile::Session session(*m_file);
        ok = session && change();
        if (!ok && error && error->isEmpty())
            *error = SqliteRecord::tr("The record could not be changed: %1.").arg(problemWords(m_file->problem()));
    });
    return ok;
}

template <class F> auto SqliteRecord::ask(F &&question) const
{
    decltype(question()) answer{};
    wait([&] {
        RecordFile::Session session(*m_file);
        if (session)
            answer = question();
    });
    return answer;
}

void SqliteRecord::flush() const
{
    wait([] {});
}

int SqliteRecord::waiting() const
{
    int n = 0;
    wait([&] { n = answersIn(m_pending); });
    return n;
}

// ------------------------------------------------------------ opening

void SqliteRecord::open()
{
    m_retry = new QTimer(m_worker);
    m_retry->setSingleShot(true);
    QObject::connect(m_retry, &QTimer::timeout, m_worker, [this] { write(); });
    const QDateTime now = QDateTime::currentDateTimeUtc();
    RecordFile::Opened outcome = m_file->open(m_path, now);
    Child current;
    if (outcome == RecordFile::Opened::Ready || outcome == RecordFile::Opened::Replaced) {
        RecordFile::Session session(*m_file);
        if (session && m_store->ensureChild(now))
            current = m_store->current();
        else
            outcome = RecordFile::Opened::Failed;
        m_knownName = current.name;
    }
    // Set here, so that the writes queued behind the opening see it.
    m_health = current.id ? Health::Ready : outcome == RecordFile::Opened::Newer ? Health::Newer : Health::Unavailable;
    QMetaObject::invokeMethod(
        this,
        [this, outcome, movedTo = m_file->movedTo(), problem = m_file->problem(), reason = m_file->systemReason(),
         current] { opened(outcome, movedTo, problem, reason, current); },
        Qt::QueuedConnection);
}

void SqliteRecord::opened(RecordFile::Opened outcome, const QString &movedTo, RecordProblem problem,
                          const QString &reason, const Child &current)
{
    m_problem = problem;
    const QString path = QDir::toNativeSeparators(m_path);
    switch (outcome) {
    case RecordFile::Opened::Ready:
        break;
    case RecordFile::Opened::Replaced:
        switch (problem) {
        case RecordProblem::Foreign:
            say(tr("The file where Numbloom keeps your children's answers belongs to another program, so a new "
                   "record was started. That file is kept, untouched, as:\n\n%1")
                    .arg(QDir::toNativeSeparators(movedTo)),
                reason);
            break;
        case RecordProblem::ForeignJournal:
            say(tr("Another program's file was found beside the record of your children's answers, where it would "
                   "have changed the record, so a new one was started. The record, with your children's earlier "
                   "answers, is kept untouched together with that file (%2) as:\n\n%1")
                    .arg(QDir::toNativeSeparators(movedTo), QFileInfo(movedTo).fileName() + QStringLiteral("-wal")),
                reason);
            break;
        default:
            say(tr("The record of your children's answers could not be read, so a new one was started. "
                   "The old file is kept, untouched, as:\n\n%1")
                    .arg(QDir::toNativeSeparators(movedTo)),
                reason);
        }
        break;
    case RecordFile::Opened::Newer:
        say(healthText());
        break;
    case RecordFile::Opened::Failed:
        say(healthText(), reason);
        break;
    }
    showCurrent(current);
}

QString SqliteRecord::healthText() const
{
    const QString path = QDir::toNativeSeparators(m_path);
    switch (health()) {
    case Health::Newer:
        return tr("This record was written by a newer version of Numbloom, so this one leaves it as it is and "
                  "does not record answers. Update Numbloom to see it:\n%1")
            .arg(path);
    case Health::Unavailable:
        // A file that is there stays as it was; say so, and only then.
        if (path.isEmpty() || !QFileInfo::exists(m_path))
            return tr("Answers are not saved: the record of your children's answers could not be opened, because %1.")
                       .arg(problemWords(m_problem))
                   + (path.isEmpty() ? QString() : QStringLiteral("\n") + path);
        return tr("Answers are not saved: the record of your children's answers could not be opened, because %1. "
                  "The file is left as it is:\n%2")
            .arg(problemWords(m_problem), path);
    case Health::Opening:
    case Health::Ready:
        break;
    }
    return {};
}

// ------------------------------------------------------------ notices, the child

void SqliteRecord::say(const QString &text, const QString &detail)
{
    if (isSignalConnected(QMetaMethod::fromSignal(&ChildRecord::notice)))
        Q_EMIT notice(text, detail);
    else
        m_unheard.append({text, detail});
}

QVector<QPair<QString, QString>> SqliteRecord::takeUnheardNotices() { return std::exchange(m_unheard, {}); }

void SqliteRecord::showCurrent(const Child &c)
{
    m_currentName = c.name;
    m_currentId = c.id;
    {
        QMutexLocker lock(&m_answersLock);
        if (c.id != m_answersFor) {
            // Another child practises: their answers are read afresh.
            m_answersFor = c.id;
            m_answersRead = false;
            m_judgedWhileReading.clear();
            if (c.id)
                post([this, id = c.id] { readAnswers(id); });
        }
    }
    Q_EMIT currentChanged(m_currentName);
}

void SqliteRecord::readAnswers(qint64 child)
{
    FactAnswers answers;
    int limitMs = DefaultTimeLimitMs;
    {
        RecordFile::Session session(*m_file);
        if (session) {
            answers = m_store->answers(child);
            limitMs = m_store->child(child).timeLimitMs;
        }
    }
    // Those still waiting for the file come after the ones in it.
    for (const RecordEvent &e : m_pending)
        if (e.kind == RecordEvent::Kind::AnswerJudged && (e.child == child || e.child == 0))
            answers.push_back(factAnswerOf(e.answer));
    QMutexLocker lock(&m_answersLock);
    if (m_answersFor != child)
        return; // another child came meanwhile, and is read next
    // Every answer judged before this reading was queued before it; those
    // judged since are queued after it, and held here.
    answers.insert(answers.end(), m_judgedWhileReading.begin(), m_judgedWhileReading.end());
    m_judgedWhileReading.clear();
    m_answers = {child, limitMs, std::move(answers)};
    m_answersRead = true;
}

std::optional<CurrentAnswers> SqliteRecord::currentAnswers() const
{
    QMutexLocker lock(&m_answersLock);
    if (!m_answersRead || !m_answers.child)
        return std::nullopt;
    return m_answers;
}

Child SqliteRecord::followed()
{
    const Child c = m_store->current();
    m_knownName = c.name;
    return c;
}

bool SqliteRecord::followCurrent()
{
    // Another copy of the program may have renamed the child this one
    // practises, or removed them. Removed: practise as the child the file
    // names now, and say so.
    const Child was = m_store->current();
    if (was.id && was.name == m_knownName)
        return true;
    if (!was.id && !m_store->ensureChild(QDateTime::currentDateTimeUtc()))
        return false;
    const Child now = m_store->current();
    m_knownName = now.name;
    QMetaObject::invokeMethod(
        this,
        [this, now, removed = !was.id] {
            const QString gone = m_currentName;
            showCurrent(now);
            if (removed)
                say(tr("%1 was removed in another window of Numbloom, so %2 practises now, and the answers given "
                       "since are kept for %2.")
                        .arg(gone, now.name));
        },
        Qt::QueuedConnection);
    return true;
}

// ------------------------------------------------------------ writing

void SqliteRecord::queue(const RecordEvent &e)
{
    if (health() != Health::Ready)
        return;
    m_pending.append(e);
    // While a retry is due, the file is known to be busy or full: the event
    // waits for it rather than wait a second of its own.
    if (!m_retry->isActive())
        write();
}

RecordFile::Write SqliteRecord::write()
{
    if (m_pending.isEmpty())
        return RecordFile::Write::Ok;
    using Write = RecordFile::Write;
    RecordFile::Session session(*m_file);
    Write w = session ? Write::Ok : m_file->problem() == RecordProblem::Busy ? Write::Busy : Write::Failed;
    if (w == Write::Ok && !followCurrent())
        w = Write::Failed;
    if (w == Write::Ok)
        w = m_store->save(m_pending);
    if (w != Write::Ok) {
        followFailure(w);
        return w;
    }
    m_pending.clear();
    if (std::exchange(m_failing, false)) {
        // What the family was told has come right: a notice still waiting to
        // be seen goes, one already seen gets its answer.
        QMetaObject::invokeMethod(
            this,
            [this, text = m_spellNotice] {
                if (!m_unheard.removeIf([&text](const auto &n) { return n.first == text; }))
                    Q_EMIT waitingSaved(text);
            },
            Qt::QueuedConnection);
    }
    m_failingFor.invalidate();
    return w;
}

void SqliteRecord::followFailure(RecordFile::Write w)
{
    if (!m_failingFor.isValid())
        m_failingFor.start();
    m_retry->start(w == RecordFile::Write::Busy ? BusyRetryMs : FailedRetryMs);
    if (m_failing || (w == RecordFile::Write::Busy && m_failingFor.elapsed() < BusyPatienceMs))
        return;
    // One notice while writes fail; a write that succeeds again ends the spell.
    m_failing = true;
    const QString text = tr("Answers cannot be saved for now: %1. Practice goes on: the answers wait and are saved "
                            "as soon as the record can be written, and everything saved before is safe.")
                             .arg(problemWords(m_file->problem()));
    m_spellNotice = text;
    QMetaObject::invokeMethod(
        this, [this, text, detail = m_file->systemReason()] { say(text, detail); }, Qt::QueuedConnection);
}

int SqliteRecord::finish(int waitMs)
{
    int lost = 0;
    wait([&] {
        QElapsedTimer waited;
        waited.start();
        while (!m_pending.isEmpty() && health() == Health::Ready && write() != RecordFile::Write::Ok
               && waited.elapsed() < waitMs)
            QThread::msleep(100);
        if (m_retry)
            m_retry->stop();
        lost = answersIn(m_pending);
        m_pending.clear();
    });
    return lost;
}

void SqliteRecord::drillStarted(const DrillStart &drill)
{
    post([this, e = RecordEvent::started(m_currentId, drill)] { queue(e); });
}

void SqliteRecord::answerJudged(const JudgedAnswer &answer)
{
    if (health() == Health::Opening || health() == Health::Ready) {
        QMutexLocker lock(&m_answersLock);
        if (m_answersFor == m_currentId)
            (m_answersRead ? m_answers.answers : m_judgedWhileReading).push_back(factAnswerOf(answer));
    }
    post([this, e = RecordEvent::judged(m_currentId, answer)] { queue(e); });
}

void SqliteRecord::drillEnded(const QDateTime &at)
{
    post([this, e = RecordEvent::ended(m_currentId, at)] { queue(e); });
}

// ------------------------------------------------------------ what My Facts asks

Child SqliteRecord::current() const
{
    const Child c = ask([this] { return m_store->current(); });
    // Renamed in another copy: the title bar follows, once this call is done.
    if (c.id && c.name != m_currentName) {
        auto *self = const_cast<SqliteRecord *>(this);
        QMetaObject::invokeMethod(self, [self, c] { self->showCurrent(c); }, Qt::QueuedConnection);
    }
    return c;
}

QVector<Child> SqliteRecord::children() const
{
    return ask([this] { return m_store->children(); });
}

void SqliteRecord::choose(qint64 child)
{
    const Child c = ask([&] {
        m_store->choose(child);
        m_knownName = m_store->current().name;
        return m_store->current();
    });
    showCurrent(c);
}

bool SqliteRecord::add(const QString &name, QString *error, qint64 *id)
{
    return edit([&] { return m_store->add(name, QDateTime::currentDateTimeUtc(), error, id); }, error);
}

bool SqliteRecord::rename(qint64 child, const QString &name, QString *error)
{
    const bool ok = edit([&] { return m_store->rename(child, name, error); }, error);
    showCurrent(ask([this] { return followed(); }));
    return ok;
}

bool SqliteRecord::remove(qint64 child, QString *error)
{
    const bool ok = edit([&] { return m_store->remove(child, error); }, error);
    showCurrent(ask([this] { return followed(); }));
    return ok;
}

int SqliteRecord::answerCount(qint64 child) const
{
    return ask([&] { return m_store->answerCount(child); });
}

void SqliteRecord::setTimeLimit(qint64 child, int ms)
{
    ask([&] { return m_store->setTimeLimit(child, ms); });
    QMutexLocker lock(&m_answersLock);
    if (m_answers.child == child)
        m_answers.limitMs = ms;
}

void SqliteRecord::setReadAloud(qint64 child, bool on)
{
    ask([&] { return m_store->setReadAloud(child, on); });
    // Told as a change of the child practising, so the main window follows it.
    if (child == m_currentId)
        Q_EMIT currentChanged(m_currentName);
}

ChildSummary SqliteRecord::summary(qint64 child, const QDate &today, int days) const
{
    return ask([&] { return m_reports->summary(child, today, days); });
}

bool SqliteRecord::exportCsv(qint64 child, const QString &path, QString *error) const
{
    return const_cast<SqliteRecord *>(this)->edit([&] { return m_reports->exportCsv(child, path, error); }, error);
}
