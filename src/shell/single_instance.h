#pragma once

#include <QLockFile>

#include <memory>

// One running copy per user: a lock file in the user's runtime folder. A
// lock left by a copy that was killed is taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& name);
    // True when this copy is the only one running.
    bool acquired() const { return m_acquired; }

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_acquired = false;
};
