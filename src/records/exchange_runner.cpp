#include "records/exchange_runner.h"

#include <QThread>

ExchangeRunner::ExchangeRunner(QObject* parent)
    : QObject(parent), m_thread(new QThread), m_worker(new QObject)
{
    m_thread->setObjectName(QStringLiteral("exchange"));
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread->start();
}

ExchangeRunner::~ExchangeRunner()
{
    *m_alive = false;
    m_thread->quit();
    // A copy stuck on an unreachable folder must not hold up closing; the
    // thread is then left to end by itself.
    if (m_thread->wait(3000))
        delete m_thread;
}

void ExchangeRunner::post(std::function<void()> job)
{
    QMetaObject::invokeMethod(m_worker, std::move(job), Qt::QueuedConnection);
}

void ExchangeRunner::deliver(std::function<void()> result)
{
    QMetaObject::invokeMethod(this, std::move(result), Qt::QueuedConnection);
}
