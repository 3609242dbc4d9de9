#include "tests/app/WindowTest.h"

#include "app/Language.h"

#include <QTest>

void WindowTest::init()
{
    fresh.emplace();
    BeforeWindow();
    OpenWindow();
}

void WindowTest::cleanup()
{
    window.reset();
    AfterWindow();
    fresh.reset();
}

void WindowTest::OpenWindow()
{
    Language::SetNumber(Language::English);
    window = std::make_unique<Loan>();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}
