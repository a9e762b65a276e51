#include "config/localdb.h"

#include "shell/numbers.h"
#include "shell/textcodec.h"

#include <QFileInfo>

#include <sqlite3.h>

namespace {

void turkishUpper(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (argc != 1 || sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto* raw = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const int len = sqlite3_value_bytes(argv[0]);
    const QByteArray upper = TextCodec::trUpper(QString::fromUtf8(raw, len)).toUtf8();
    sqlite3_result_text(ctx, upper.constData(), static_cast<int>(upper.size()), SQLITE_TRANSIENT);
}

QString errorText(sqlite3* db)
{
    return QString::fromUtf8(sqlite3_errmsg(db));
}

} // namespace

DbError::DbError(const QString& message, int code)
    : std::runtime_error(message.toStdString()), m_code(code)
{
}

DbRows::DbRows(std::shared_ptr<sqlite3> db, std::shared_ptr<sqlite3_stmt> statement, bool done)
    : m_db(std::move(db)), m_statement(std::move(statement)), m_done(done)
{
}

void DbRows::next()
{
    if (eof())
        return;
    const int rc = sqlite3_step(m_statement.get());
    if (rc == SQLITE_ROW)
        return;
    m_done = true;
    if (rc != SQLITE_DONE)
        throw DbError(errorText(m_db.get()), DbError::kStatementFailure);
}

int DbRows::columnIndex(const QString& name) const
{
    if (eof())
        throw DbError(QStringLiteral("Geçerli kayıt yok: ") + name, DbError::kStatementFailure);
    const int n = sqlite3_column_count(m_statement.get());
    for (int i = 0; i < n; ++i) {
        if (name.compare(QString::fromUtf8(sqlite3_column_name(m_statement.get(), i)), Qt::CaseInsensitive) == 0)
            return i;
    }
    throw DbError(QStringLiteral("Alan bulunamadı: ") + name, DbError::kStatementFailure);
}

QVariant DbRows::field(const QString& name) const
{
    const int i = columnIndex(name);
    sqlite3_stmt* st = m_statement.get();
    switch (sqlite3_column_type(st, i)) {
    case SQLITE_INTEGER: return QVariant::fromValue<qint64>(sqlite3_column_int64(st, i));
    case SQLITE_FLOAT: return sqlite3_column_double(st, i);
    case SQLITE_NULL: return QVariant();
    default: {
        const auto* raw = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
        return QString::fromUtf8(raw, sqlite3_column_bytes(st, i));
    }
    }
}

QString DbRows::text(const QString& name) const
{
    const QVariant v = field(name);
    if (v.typeId() == QMetaType::Double)
        return Num::plain(v.toDouble());
    return v.toString();
}

double DbRows::number(const QString& name) const
{
    const QVariant v = field(name);
    if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::LongLong)
        return v.toDouble();
    const std::optional<double> parsed = Num::parse(v.toString());
    if (!parsed)
        throw DbError(QStringLiteral("Sayı değil: ") + name + QStringLiteral(" = ") + v.toString(),
                      DbError::kStatementFailure);
    return *parsed;
}

void LocalDb::open(const QString& path)
{
    close();
    if (!QFileInfo(path).isFile())
        throw DbError(QStringLiteral("Veritabanı bulunamadı: ") + path, DbError::kGeneralFailure);
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    std::shared_ptr<sqlite3> db(raw, [](sqlite3* d) { sqlite3_close_v2(d); });
    if (rc != SQLITE_OK)
        throw DbError(errorText(raw) + QStringLiteral(": ") + path, DbError::kGeneralFailure);
    // A store another program holds for a moment is waited for briefly, never for long.
    sqlite3_busy_timeout(raw, 1000);
    sqlite3_create_function_v2(raw, "UPPER", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               turkishUpper, nullptr, nullptr, nullptr);
    m_db = std::move(db);
}

DbRows LocalDb::run(const QString& sql, const QVariantList& params)
{
    if (!m_db)
        throw DbError(QStringLiteral("Veritabanı açık değil"), DbError::kGeneralFailure);
    sqlite3_stmt* raw = nullptr;
    const QByteArray text = sql.toUtf8();
    int rc = sqlite3_prepare_v2(m_db.get(), text.constData(), static_cast<int>(text.size()), &raw, nullptr);
    std::shared_ptr<sqlite3_stmt> st(raw, [](sqlite3_stmt* s) { sqlite3_finalize(s); });
    if (rc != SQLITE_OK) {
        const int code = (rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT || rc == SQLITE_BUSY || rc == SQLITE_CANTOPEN)
            ? DbError::kGeneralFailure : DbError::kStatementFailure;
        throw DbError(errorText(m_db.get()), code);
    }
    for (int i = 0; i < params.size(); ++i) {
        const QVariant& v = params.at(i);
        switch (v.typeId()) {
        case QMetaType::UnknownType:
            sqlite3_bind_null(raw, i + 1);
            break;
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::Bool:
            sqlite3_bind_int64(raw, i + 1, v.toLongLong());
            break;
        case QMetaType::Double:
            sqlite3_bind_double(raw, i + 1, v.toDouble());
            break;
        default: {
            if (v.isNull()) {
                sqlite3_bind_null(raw, i + 1);
                break;
            }
            const QByteArray b = v.toString().toUtf8();
            sqlite3_bind_text(raw, i + 1, b.constData(), static_cast<int>(b.size()), SQLITE_TRANSIENT);
        }
        }
    }
    rc = sqlite3_step(raw);
    if (rc == SQLITE_ROW)
        return DbRows(m_db, st, false);
    if (rc != SQLITE_DONE) {
        const int code = (rc == SQLITE_BUSY || rc == SQLITE_LOCKED || rc == SQLITE_IOERR)
            ? DbError::kGeneralFailure : DbError::kStatementFailure;
        throw DbError(errorText(m_db.get()), code);
    }
    return DbRows(m_db, st, true);
}

void LocalDb::close()
{
    m_db.reset();
}

qint64 LocalDb::lastInsertId() const
{
    return m_db ? sqlite3_last_insert_rowid(m_db.get()) : 0;
}

int LocalDb::changes() const
{
    return m_db ? sqlite3_changes(m_db.get()) : 0;
}
