#pragma once

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>

class QThread;

// Runs the shared-folder copies one after another on a thread of their
// own, so a slow or unreachable network folder never freezes the till.
// Each job's result comes back on the window's thread.
class ExchangeRunner : public QObject {
    Q_OBJECT
public:
    explicit ExchangeRunner(QObject* parent = nullptr);
    ~ExchangeRunner() override;

    bool busy() const { return m_running > 0; }

    // `work` runs on the exchange thread; `done` afterwards on this one.
    template <typename R>
    void run(std::function<R()> work, std::function<void(R)> done)
    {
        ++m_running;
        post([this, alive = m_alive, work = std::move(work), done = std::move(done)] {
            R result = work();
            if (!*alive)
                return;
            deliver([this, done, result] {
                --m_running;
                done(result);
            });
        });
    }

private:
    void post(std::function<void()> job);
    void deliver(std::function<void()> result);

    QThread* m_thread;
    QObject* m_worker;
    int m_running = 0;
    // Cleared when the runner goes, so a copy that ends after it delivers nothing.
    std::shared_ptr<std::atomic<bool>> m_alive = std::make_shared<std::atomic<bool>>(true);
};
