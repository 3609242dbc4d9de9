// Line breaking of lender texts, measured in a fixed-pitch font: at size 10
// a character is 100 twips wide, so a wrap width of 1000 holds ten.

#include "RecordingSurface.h"
#include "print/WrapText.h"

#include <QTest>

class TestWrapText : public QObject
{
    Q_OBJECT

private slots:
    void breaks_data();
    void breaks();
    void characterWiderThanTheLineStillMovesOn();
};

void TestWrapText::breaks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("wrapped");
    QTest::newRow("fits") << "First Bank" << "First Bank";
    QTest::newRow("blank dropped") << "alpha beta gamma" << "alpha beta\ngamma";
    QTest::newRow("last blank that fits") << "a b c d e f g h" << "a b c d e\nf g h";
    QTest::newRow("hyphen kept at line end") << "twenty-seven days" << "twenty-\nseven days";
    QTest::newRow("no break point") << "abcdefghijklmnopqrstuvwxy" << "abcdefghij\nklmnopqrst\nuvwxy";
    QTest::newRow("own line breaks kept") << "First Bank\nAnn Lee" << "First Bank\nAnn Lee";
    QTest::newRow("carriage return dropped") << "First Bank\r\nAnn Lee" << "First Bank\nAnn Lee";
    QTest::newRow("blanks after own break dropped") << "First Bank\n   Ann Lee" << "First Bank\nAnn Lee";
    QTest::newRow("blanks after a break dropped") << "alpha      beta" << "alpha     \nbeta";
    QTest::newRow("own break then a long line") << "Bank\nabcdefghijkl mn" << "Bank\nabcdefghij\nkl mn";
    QTest::newRow("leading blank not an empty line") << " abcdefghijkl" << " abcdefghi\njkl";
}

void TestWrapText::breaks()
{
    QFETCH(QString, text);
    QFETCH(QString, wrapped);
    RecordingSurface surface(10000, 10000);
    surface.SetSize(10);
    QCOMPARE(WrapText(surface, text, 1000), wrapped);
}

void TestWrapText::characterWiderThanTheLineStillMovesOn()
{
    RecordingSurface surface(10000, 10000);
    surface.SetSize(10);
    QCOMPARE(WrapText(surface, QStringLiteral("abc"), 50), QStringLiteral("a\nb\nc"));
    QCOMPARE(WrapText(surface, QStringLiteral("a - b"), 50), QStringLiteral("a\n-\nb"));
}

QTEST_APPLESS_MAIN(TestWrapText)
#include "tst_wraptext.moc"
