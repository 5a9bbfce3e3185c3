#include "DatabaseSettings.h"

#include <QStringList>
#include <QUrl>
#include <QUrlQuery>

DatabaseSettings DatabaseSettings::sqliteFile(const QString& path)
{
    DatabaseSettings settings;
    settings.kind = Kind::Sqlite;
    settings.sqlitePath = path;
    return settings;
}

std::optional<DatabaseSettings> DatabaseSettings::fromUrl(const QString& text, QString* error)
{
    if (text.startsWith(QLatin1String("sqlite:"))) {
        QString path = text.mid(7);
        if (path.startsWith(QLatin1String("//")))
            path = path.mid(2);
        if (path.isEmpty()) {
            *error = QStringLiteral("a sqlite: URL needs a file path");
            return std::nullopt;
        }
        return sqliteFile(path);
    }

    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() ||
        (url.scheme() != QLatin1String("postgresql") && url.scheme() != QLatin1String("postgres"))) {
        *error = QStringLiteral("the database URL must start with postgresql:// or sqlite:");
        return std::nullopt;
    }
    DatabaseSettings settings;
    settings.kind = Kind::Postgresql;
    settings.host = url.host(QUrl::FullyDecoded);
    settings.port = url.port(-1);
    settings.user = url.userName(QUrl::FullyDecoded);
    settings.password = url.password(QUrl::FullyDecoded);
    settings.databaseName = url.path(QUrl::FullyDecoded).mid(1);
    if (settings.databaseName.isEmpty() || settings.databaseName.contains(u'/')) {
        *error = QStringLiteral("the database URL must name one database: postgresql://host/NAME");
        return std::nullopt;
    }

    QStringList options;
    const QUrlQuery query(url);
    for (const auto& [key, value] : query.queryItems(QUrl::FullyDecoded)) {
        if (key == QLatin1String("host")) {
            settings.host = value;
        } else if (key == QLatin1String("sslmode") || key == QLatin1String("sslrootcert") ||
                   key == QLatin1String("connect_timeout") || key == QLatin1String("application_name")) {
            if (value.contains(u';') || value.contains(u'=') || value.contains(u' ')) {
                *error =
                    QStringLiteral("the database option %1 has a value that cannot be passed on").arg(key);
                return std::nullopt;
            }
            options << key + u'=' + value;
        } else {
            *error = QStringLiteral("the database option %1 is not known").arg(key);
            return std::nullopt;
        }
    }
    settings.connectOptions = options.join(u';');
    return settings;
}

QString DatabaseSettings::driverName() const
{
    return kind == Kind::Sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL");
}

QString DatabaseSettings::describe() const
{
    if (kind == Kind::Sqlite)
        return QStringLiteral("SQLite %1").arg(sqlitePath);
    QString where = host.isEmpty() ? QStringLiteral("the default server") : host;
    if (port > 0)
        where += u':' + QString::number(port);
    return QStringLiteral("PostgreSQL database %1 on %2").arg(databaseName, where);
}
