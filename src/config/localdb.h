#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

#include <memory>
#include <stdexcept>

struct sqlite3;
struct sqlite3_stmt;

// A failing open, statement or field read. `code` is kGeneralFailure when
// the store itself could not be reached (missing, locked, not a database).
class DbError : public std::runtime_error {
public:
    static constexpr int kGeneralFailure = -2147467259;
    static constexpr int kStatementFailure = 1;

    DbError(const QString& message, int code);
    QString message() const { return QString::fromUtf8(what()); }
    int code() const { return m_code; }

private:
    int m_code;
};

// The rows of one SELECT, read forward: field by name, end test, next.
class DbRows {
public:
    DbRows() = default;

    bool eof() const { return !m_statement || m_done; }
    void next();

    // Column by name or alias, without regard to letter case. Throws DbError
    // when there is no current row or no such column.
    QVariant field(const QString& name) const;
    QString text(const QString& name) const;
    // Numbers stored as numbers, or as Turkish number text; throws DbError
    // for a value that is not a number.
    double number(const QString& name) const;

private:
    friend class LocalDb;
    DbRows(std::shared_ptr<sqlite3> db, std::shared_ptr<sqlite3_stmt> statement, bool done);
    int columnIndex(const QString& name) const;

    std::shared_ptr<sqlite3> m_db;
    std::shared_ptr<sqlite3_stmt> m_statement;
    bool m_done = true;
};

// The connection to one .dbs file: bind, run, release. It never creates a
// file: opening a missing store is an error. Values are always bound as
// parameters ("?"), never spliced into the SQL text. UPPER() in SQL
// upper-cases by Turkish rules.
class LocalDb {
public:
    LocalDb() = default;
    explicit LocalDb(const QString& path) { open(path); }
    ~LocalDb() { close(); }
    LocalDb(const LocalDb&) = delete;
    LocalDb& operator=(const LocalDb&) = delete;

    // Binds to the file; an open while bound rebinds.
    void open(const QString& path);
    // A SELECT gives its rows; other statements take effect at once and give
    // no rows.
    DbRows run(const QString& sql, const QVariantList& params = {});
    // Releases the file; harmless when not bound. Rows already handed out
    // stay readable until they go.
    void close();

    bool isOpen() const { return m_db != nullptr; }
    qint64 lastInsertId() const;
    int changes() const;

private:
    std::shared_ptr<sqlite3> m_db;
};
