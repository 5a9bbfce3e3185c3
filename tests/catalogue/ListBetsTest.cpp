#include "app/XCommandLine.h"

#include <QTextStream>

#include <gtest/gtest.h>

// Catches --list-bets printing wrong cells, or hiding an unknown name.
TEST(ListBets, OneLinePerEntryAndAClearErrorForUnknownNames)
{
    QString out, err;
    QTextStream o(&out), e(&err);
    EXPECT_EQ(XListBets({QStringLiteral("special10238"), QStringLiteral("number5")}, o, e), 0);
    o.flush();
    EXPECT_EQ(out, QStringLiteral("special10238\t5 8*2 10*3 23*5 24 16 30*2\nnumber5\t5 10 24\n"));
    EXPECT_TRUE(err.isEmpty());

    out.clear();
    EXPECT_EQ(XListBets({QStringLiteral("number5"), QStringLiteral("number99")}, o, e), 2);
    o.flush();
    e.flush();
    EXPECT_EQ(out, QStringLiteral("number5\t5 10 24\n"));
    EXPECT_TRUE(err.contains(QStringLiteral("number99")));
}
