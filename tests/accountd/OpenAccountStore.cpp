// Opens and migrates account databases DIR/0.sqlite … DIR/(COUNT-1).sqlite one after the other,
// after waiting for a start file, so that several such processes race for each new file.
// Exits 0 when every store was ready.
#include "accountd/AccountStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    for (int waited = 0; !QFile::exists(arguments[3]); ++waited) {
        if (waited > 10000)
            return 3;
        QThread::usleep(200);
    }
    const int count = arguments[2].toInt();
    for (int i = 0; i < count; ++i) {
        AccountStore store(DatabaseSettings::sqliteFile(arguments[1] + QStringLiteral("/%1.sqlite").arg(i)));
        QString error;
        if (!store.open(&error) || !store.migrate(&error)) {
            std::fprintf(stderr, "file %d: %s\n", i, qPrintable(error));
            return 1;
        }
    }
    return 0;
}
