// The web dashboard in real headless Chromium, loaded from the server running
// over the simulated tuner.

#include <gtest/gtest.h>

#include "tests/support/HeadlessBrowser.h"
#include "tests/support/ServerSupport.h"

namespace {

QString Text(const char* id) { return QStringLiteral("document.getElementById('%1').textContent").arg(QLatin1String(id)); }
QString Click(const char* selector) {
  return QStringLiteral("document.querySelector(\"%1\").click(), true").arg(QLatin1String(selector));
}
// How many columns the page's grid has at its present width.
const QString kColumns = QStringLiteral("getComputedStyle(document.querySelector('main')).gridTemplateColumns.split(' ').length");

class Dashboard : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!CHeadlessBrowser::IsInstalled()) GTEST_SKIP() << CHeadlessBrowser::kPath << " is not installed";
    ASSERT_TRUE(server.Start());
    const QString problem = browser.Open(server.Url("/"));
    ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
  }

  ServerFixture server{Firmware("01.97")};
  CHeadlessBrowser browser;
};

// One browser for the whole page: its start is most of the test's time.
TEST_F(Dashboard, ShowsTheLiveStateTunesWithTheTokenAskedForOnceAndFitsAPhone) {
  const QString swr = QString::number(server.machine.Values().Swr.Get().toDouble(), 'f', 2);
  ASSERT_TRUE(browser.WaitUntil(Text("link"), "ok"));
  EXPECT_TRUE(browser.WaitUntil(Text("swr"), swr));
  EXPECT_EQ(browser.Evaluate(kColumns), 2);  // a desktop's width

  // The first change is refused without the token: the page asks for it
  // (the user's answer stands in for the dialog), and later changes go with
  // the kept token without asking again.
  const QString answer = QStringLiteral("window.asked = 0, window.prompt = () => (++window.asked, '%1'), true");
  ASSERT_EQ(browser.Evaluate(answer.arg(kTestToken)), true);
  server.Sim().Live().SetTuneDuration(100);
  server.Sim().ClearReceived();
  ASSERT_EQ(browser.Evaluate(Click("#tune")), true);
  EXPECT_TRUE(WaitFor([&] { return server.Sim().Received().contains("vswrb;t;"); }, 20000));
  EXPECT_EQ(browser.Evaluate("localStorage.getItem('zu6400-token')"), kTestToken);
  ASSERT_EQ(browser.Evaluate(Click("button[data-set=mode][data-value=M]")), true);
  EXPECT_TRUE(browser.WaitUntil("document.querySelector('button[data-set=mode].selected').dataset.value", "M"));
  EXPECT_EQ(browser.Evaluate("window.asked"), 1);

  // A phone: one column, nothing sticking out sideways.
  ASSERT_TRUE(browser.Call("Emulation.setDeviceMetricsOverride",
                           {{"width", 390}, {"height", 844}, {"deviceScaleFactor", 2}, {"mobile", true}}));
  EXPECT_TRUE(browser.WaitUntil(kColumns, 1));
  EXPECT_EQ(browser.Evaluate("document.documentElement.scrollWidth <= 390"), true);
  // Opened again, the page draws what the server kept before its first live reading.
  ASSERT_EQ(browser.Evaluate("window.before = true"), true);
  ASSERT_TRUE(browser.Call("Page.reload"));
  ASSERT_TRUE(browser.WaitUntil("!window.before && " + Text("link") + " === 'ok'", true));
  EXPECT_EQ(browser.Evaluate("history.length > 3"), true);
}

}  // namespace
