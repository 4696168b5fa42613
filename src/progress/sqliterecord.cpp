#include "sqliterecord.h"
#include "recordstore.h"

#include <QDir>
#include <QStandardPaths>

SqliteRecord::SqliteRecord(const QString &path, QObject *parent)
    : ChildRecord(parent), m_path(path), m_worker(new QObject), m_store(std::make_unique<RecordStore>())
{
    m_thread.setObjectName(QStringLiteral("numbloom-record"));
    m_worker->moveToThread(&m_thread);
    m_thread.start(QThread::LowPriority);
    post([this] {
        const auto outcome = m_store->open(m_path, QDateTime::currentDateTimeUtc());
        // Set here, so that the writes queued behind the opening see it.
        const bool writable = outcome == RecordStore::Opened::Ready || outcome == RecordStore::Opened::Replaced;
        m_health = writable ? Health::Ready
                            : outcome == RecordStore::Opened::Newer ? Health::Newer : Health::Unavailable;
        const QString movedTo = m_store->movedTo(), error = m_store->lastError();
        QMetaObject::invokeMethod(this, [this, outcome, movedTo, error] { opened(outcome, movedTo, error); },
                                  Qt::QueuedConnection);
    });
}

SqliteRecord::~SqliteRecord()
{
    // Waits for the writes queued before it, then closes the file.
    wait([this] { m_store.reset(); });
    m_thread.quit();
    m_thread.wait();
    // Its thread has ended: nothing runs on it any more.
    delete m_worker;
}

QString SqliteRecord::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/numbloom/progress.sqlite");
}

template <class F> void SqliteRecord::post(F &&job)
{
    QMetaObject::invokeMethod(m_worker, std::forward<F>(job), Qt::QueuedConnection);
}

template <class F> void SqliteRecord::wait(F &&job) const
{
    QMetaObject::invokeMethod(m_worker, std::forward<F>(job), Qt::BlockingQueuedConnection);
}

template <class F> auto SqliteRecord::ask(F &&question) const
{
    decltype(question()) answer{};
    wait([&] { answer = question(); });
    return answer;
}

void SqliteRecord::flush() const
{
    wait([] {});
}

void SqliteRecord::opened(RecordStore::Opened outcome, const QString &movedTo, const QString &error)
{
    switch (outcome) {
    case RecordStore::Opened::Ready:
    case RecordStore::Opened::Newer:
        break;
    case RecordStore::Opened::Replaced:
        Q_EMIT notice(tr("The record of your children's answers could not be read, so a new one was started. "
                         "The old file is kept, untouched, as:\n\n%1")
                          .arg(QDir::toNativeSeparators(movedTo)));
        break;
    case RecordStore::Opened::Failed:
        Q_EMIT notice(tr("Answers cannot be saved for now: the record could not be opened.\n\n%1\n\n%2")
                          .arg(QDir::toNativeSeparators(m_path), error));
        break;
    }
    announceCurrent();
}

QString SqliteRecord::healthText() const
{
    switch (health()) {
    case Health::Newer:
        return tr("This record was written by a newer version of Numbloom, so this one leaves it as it is and "
                  "does not record answers. Update Numbloom to see it:\n%1")
            .arg(QDir::toNativeSeparators(m_path));
    case Health::Unavailable:
        return tr("The record could not be opened, so answers are not saved:\n%1").arg(QDir::toNativeSeparators(m_path));
    case Health::Opening:
    case Health::Ready:
        break;
    }
    return {};
}

void SqliteRecord::announceCurrent()
{
    m_currentName = health() == Health::Ready ? current().name : QString();
    Q_EMIT currentChanged(m_currentName);
}

void SqliteRecord::wrote(RecordStore::Write write)
{
    // One notice while writes fail; a write that succeeds again ends the spell.
    if (write == RecordStore::Write::Ok) {
        m_failing = false;
        return;
    }
    if (m_failing || health() != Health::Ready)
        return;
    m_failing = true;
    const QString text = write == RecordStore::Write::Full
                             ? tr("Answers cannot be saved for now: the disk is full. Practice goes on, and "
                                  "everything saved before is safe.")
                             : tr("Answers cannot be saved for now. Practice goes on, and everything saved "
                                  "before is safe.\n\n%1")
                                   .arg(m_store->lastError());
    QMetaObject::invokeMethod(this, [this, text] { Q_EMIT notice(text); }, Qt::QueuedConnection);
}

void SqliteRecord::drillStarted(const DrillStart &drill)
{
    post([this, drill] { wrote(m_store->beginDrill(drill)); });
}

void SqliteRecord::answerJudged(const JudgedAnswer &answer)
{
    post([this, answer] { wrote(m_store->addAnswer(answer)); });
}

void SqliteRecord::drillEnded(const QDateTime &at)
{
    post([this, at] { wrote(m_store->endDrill(at)); });
}

Child SqliteRecord::current() const
{
    return ask([this] { return m_store->current(); });
}

QVector<Child> SqliteRecord::children() const
{
    return ask([this] { return m_store->children(); });
}

void SqliteRecord::choose(qint64 child)
{
    wait([&] { m_store->choose(child); });
    announceCurrent();
}

bool SqliteRecord::add(const QString &name, QString *error, qint64 *id)
{
    return ask([&] { return m_store->add(name, QDateTime::currentDateTimeUtc(), error, id); });
}

bool SqliteRecord::rename(qint64 child, const QString &name, QString *error)
{
    const bool ok = ask([&] { return m_store->rename(child, name, error); });
    announceCurrent();
    return ok;
}

bool SqliteRecord::remove(qint64 child, QString *error)
{
    const bool ok = ask([&] { return m_store->remove(child, error); });
    announceCurrent();
    return ok;
}

int SqliteRecord::answerCount(qint64 child) const
{
    return ask([&] { return m_store->answerCount(child); });
}

void SqliteRecord::setTimeLimit(qint64 child, int ms)
{
    wait([&] { m_store->setTimeLimit(child, ms); });
}

ChildSummary SqliteRecord::summary(qint64 child, const QDate &today, int days) const
{
    return ask([&] { return m_store->summary(child, today, days); });
}

bool SqliteRecord::exportCsv(qint64 child, const QString &path, QString *error) const
{
    return ask([&] { return m_store->exportCsv(child, path, error); });
}
