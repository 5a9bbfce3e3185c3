#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// A throwaway PostgreSQL cluster: initdb in a temporary folder, a server on a Unix socket
// in it, stopped and removed at the end. Run as the "postgres" user when we are root,
// because the server refuses to run as root.
class PostgresCluster
{
public:
    ~PostgresCluster();

    // False with the reason when the server binaries are missing or it does not come up.
    bool start(QString* error);
    void stop();
    // A new empty database and the --database URL that names it.
    QString createDatabase(const QString& name, QString* error);

private:
    QStringList asServerUser(const QString& program, const QStringList& arguments) const;
    bool run(const QString& program, const QStringList& arguments, QString* error,
             bool asServer = true) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_binDir;
    QProcess m_server;
    bool m_asPostgres = false;
};
