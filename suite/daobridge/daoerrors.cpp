#include "daoerrors.h"

#include <sqlite3.h>

namespace daoerrors {

namespace {

QString withStatement(const QString &text, const QString &sql)
{
    return sql.isEmpty() ? text : text + QStringLiteral("\n\n") + sql;
}

// The engine names the missing table or column after a colon.
QString nameAfter(const QString &engineMessage, const QString &prefix)
{
    return engineMessage.mid(prefix.size()).trimmed();
}

QString describeEngineError(const QString &message, int resultCode)
{
    static const QString noSuchTable = QStringLiteral("no such table:");
    static const QString noSuchColumn = QStringLiteral("no such column:");
    static const QString tableExists = QStringLiteral("table ");
    static const QString alreadyExists = QStringLiteral(" already exists");
    if (message.startsWith(noSuchTable))
        return QStringLiteral("テーブル(%1)が見つかりません。").arg(nameAfter(message, noSuchTable));
    if (message.startsWith(noSuchColumn))
        return QStringLiteral("フィールド(%1)が見つかりません。").arg(nameAfter(message, noSuchColumn));
    if (message.startsWith(tableExists) && message.endsWith(alreadyExists)) {
        const QString name = message.mid(tableExists.size()).chopped(alreadyExists.size());
        return QStringLiteral("テーブル(%1)は既に存在します。").arg(name);
    }

    switch (resultCode & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("データベースは他のプログラムが使用中です。");
    case SQLITE_READONLY:
        return QStringLiteral("データベースは読み取り専用のため変更できません。");
    case SQLITE_FULL:
        return QStringLiteral("ディスクの空き容量が不足しています。");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return QStringLiteral("データベース ファイルが壊れています。");
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
        return QStringLiteral("データベース ファイルを読み書きできません。");
    case SQLITE_CONSTRAINT:
        return QStringLiteral("フィールドの値が制約に違反しています。");
    case SQLITE_NOMEM:
    case SQLITE_TOOBIG:
        return QStringLiteral("メモリが不足しています。");
    case SQLITE_ERROR:
        return QStringLiteral("SQL 文が正しくありません。(%1)").arg(message);
    default:
        return QStringLiteral("データベースの操作に失敗しました。(%1)").arg(message);
    }
}

} // namespace

CDaoException fileNotFound(const QString &path)
{
    return CDaoException(QStringLiteral("データベース ファイル(%1)が見つかりません。").arg(path));
}

CDaoException badPath(const QString &path)
{
    return CDaoException(QStringLiteral("データベース ファイルのパス(%1)が正しくありません。").arg(path));
}

CDaoException notADatabase(const QString &path)
{
    return CDaoException(QStringLiteral("ファイル(%1)はデータベースではありません。").arg(path));
}

CDaoException locked(const QString &path)
{
    return CDaoException(
        QStringLiteral("データベース(%1)は他のプログラムが使用中のため開けません。").arg(path));
}

CDaoException cannotOpen(const QString &path)
{
    return CDaoException(
        QStringLiteral("データベース(%1)を開けません。ファイルを読み取れません。").arg(path));
}

CDaoException cannotCreate(const QString &path)
{
    return CDaoException(QStringLiteral("データベース(%1)を作成できません。").arg(path));
}

CDaoException alreadyExists(const QString &path)
{
    return CDaoException(QStringLiteral("ファイル(%1)は既に存在します。").arg(path));
}

CDaoException alreadyOpen()
{
    return CDaoException(QStringLiteral("データベースは既に開かれています。"));
}

CDaoException databaseNotOpen()
{
    return CDaoException(QStringLiteral("データベースが開かれていません。"));
}

CDaoException recordsetNotOpen()
{
    return CDaoException(QStringLiteral("レコードセットが開かれていません。"));
}

CDaoException unsupportedOpenType(int openType)
{
    return CDaoException(
        QStringLiteral("レコードセットの種類(%1)はサポートされていません。").arg(openType));
}

CDaoException returnsNoRows(const QString &sql)
{
    return CDaoException(withStatement(QStringLiteral("クエリがレコードを返しません。"), sql));
}

CDaoException badStatement(const QString &sql)
{
    return CDaoException(withStatement(QStringLiteral("SQL 文が正しくありません。"), sql));
}

CDaoException noCurrentRecord()
{
    return CDaoException(QStringLiteral("カレント レコードがありません。"));
}

CDaoException unknownField(const QString &name)
{
    return CDaoException(QStringLiteral("フィールド(%1)が見つかりません。").arg(name));
}

CDaoException readOnlyRecordset()
{
    return CDaoException(QStringLiteral("レコードセットは読み取り専用のため更新できません。"));
}

CDaoException notUpdatable()
{
    return CDaoException(QStringLiteral("このクエリのレコードは更新できません。"));
}

CDaoException fieldNotUpdatable(const QString &name)
{
    return CDaoException(QStringLiteral("フィールド(%1)は更新できません。").arg(name));
}

CDaoException notANumber(const QString &name, const QString &value)
{
    return CDaoException(
        QStringLiteral("フィールド(%1)には数値を設定してください。(%2)").arg(name, value));
}

CDaoException noEditInProgress()
{
    return CDaoException(QStringLiteral("AddNew または Edit が実行されていません。"));
}

CDaoException noFields(const QString &tableName)
{
    return CDaoException(QStringLiteral("テーブル(%1)にフィールドがありません。").arg(tableName));
}

CDaoException fromEngine(sqlite3 *connection, int resultCode, const QString &sql)
{
    const QString message = connection ? QString::fromUtf8(sqlite3_errmsg(connection))
                                       : QString::fromUtf8(sqlite3_errstr(resultCode));
    return CDaoException(withStatement(describeEngineError(message, resultCode), sql));
}

} // namespace daoerrors
