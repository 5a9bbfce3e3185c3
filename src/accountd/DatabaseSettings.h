#pragma once

#include <QString>

#include <optional>

// Where the accounts live: a SQLite file, or a PostgreSQL database that several service
// instances share.
struct DatabaseSettings
{
    enum class Kind
    {
        Sqlite,
        Postgresql
    };

    Kind kind = Kind::Sqlite;
    QString sqlitePath;
    QString host;  // a name, an address, or a socket folder (starts with '/')
    int port = -1; // -1: the driver's default
    QString user;
    QString password;
    QString databaseName;
    QString connectOptions; // libpq keywords, "sslmode=verify-full;connect_timeout=5"

    static DatabaseSettings sqliteFile(const QString& path);
    // postgresql://[user[:password]@][host][:port]/name[?host=/socket/dir&sslmode=…]
    // (also postgres://), or sqlite:PATH. Nothing on failure, with the reason in *error.
    static std::optional<DatabaseSettings> fromUrl(const QString& url, QString* error);

    QString driverName() const;
    // For the log: never the password.
    QString describe() const;
};
