#include "all_windows_fixture.h"

#include "core/maker_links.h"
#include "app/software_options_dialog.h"
#include "core/text_table.h"
#include "core/version_check.h"

#include <QTimer>

namespace {

TEST(Conv_Version, ReadsTheDigitsAfterTheFirstBlank) {
    const std::pair<const char*, int> cases[] = {
        {"VER. 1.709", 1709}, {"1.710", 1710},       {"VER.  2.000 ", 2000},   {"VER. 1,710", 1710},
        {"VER. 1x710", 1710}, {"VER. 1.7101", 1710}, {"VER. 1.71", -1},        {"VER. 1.7a0", -1},
        {"VER. .1710", -1},   {"", -1},              {"VER.", -1},             {"A B C D E", -1},
        {"VER. 1.710 beta", 1710},
    };
    for (const auto& [text, number] : cases) EXPECT_EQ(Conv_Version(QString::fromUtf8(text)), number) << text;
    // Only ASCII digits count.
    EXPECT_EQ(Conv_Version(QStringLiteral("VER. \u0661.\u0667\u0661\u0660")), -1);
}

struct AnswerCase {
    const char* name;
    enum { Answers, NeverAnswers, Refuses } server;
    QByteArray response;
    bool newer;
};

void PrintTo(const AnswerCase& c, std::ostream* os) { *os << c.name; }

class UpdateTimerTest : public AllWindowsTest, public ::testing::WithParamInterface<AnswerCase> {};

// The timer's first tick comes 60 s after start; the test shortens only that wait and
// lets the real timer run the check.
TEST_P(UpdateTimerTest, ShowsTheLinkOnlyForANewerVersion) {
    const AnswerCase& c = GetParam();
    WriteSettings(true, true);
    CreateWindows();
    TTimer* timer = FVastreloneFirmWare->Timer_Update;
    ASSERT_TRUE(timer->Enabled());
    EXPECT_EQ(timer->Interval(), 60000);

    std::unique_ptr<LocalHttpServer> server;
    quint16 port = LocalHttpServer::RefusingPort();
    if (c.server != AnswerCase::Refuses) {
        server = std::make_unique<LocalHttpServer>(c.server == AnswerCase::Answers ? c.response : QByteArray());
        port = server->Port();
    }
    // A server that never answers is given up after a short limit here; the product's is 10 s.
    RouteMakerServerTo(port, c.server == AnswerCase::NeverAnswers ? 300 : 5000);
    // The window keeps handling events (painting, timers) while the check waits.
    bool eventsServedDuringCheck = false;
    OnRequestStart = [this, &eventsServedDuringCheck] {
        QTimer::singleShot(0, [this, &eventsServedDuringCheck] { eventsServedDuringCheck = RequestInProgress; });
    };

    FVastreloneFirmWare->LL_Update->SetCaption(QStringLiteral("stale"));
    FVastreloneFirmWare->LL_Update->Show();
    timer->SetInterval(1);
    ASSERT_TRUE(QTest::qWaitFor([timer] { return timer->Interval() == 7200000; }, 15000));

    ASSERT_EQ(MakerRequests.size(), 1u);
    const THTTPRequest& request = MakerRequests.front();
    EXPECT_EQ(request.URL, Maker_Web_Server + QStringLiteral("/home/download/GetversionSW.asp?nomesw=PK30514"));
    EXPECT_EQ(request.Accept, QStringLiteral("text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8"));
    EXPECT_EQ(request.UserAgent, QStringLiteral("Mozilla/3.0 (compatible; Indy Library)"));
    EXPECT_EQ(request.TimeLimitMs, 10000);
    EXPECT_TRUE(eventsServedDuringCheck);

    TLinkLabel* link = FVastreloneFirmWare->LL_Update;
    EXPECT_EQ(link->Visible(), c.newer);
    if (c.newer) {
        EXPECT_TRUE(link->Caption().contains(LangText(19)));
        ClickLeft(link);
        EXPECT_EQ(OpenedUrls, std::vector<QString>{Download_Page_URL});
    }
    // The next check comes two hours later, whatever the answer; a failed check is silent.
    EXPECT_TRUE(timer->Enabled());
    EXPECT_TRUE(timer->Active());
    EXPECT_TRUE(Messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Answers, UpdateTimerTest,
    ::testing::Values(
        AnswerCase{"Newer", AnswerCase::Answers, LocalHttpServer::Answer("VER. 1.710"), true},
        AnswerCase{"NewerInLowerCaseWithBlanks", AnswerCase::Answers, LocalHttpServer::Answer("  ver. 1.710\r\n"), true},
        AnswerCase{"Same", AnswerCase::Answers, LocalHttpServer::Answer("VER. 1.709"), false},
        AnswerCase{"Older", AnswerCase::Answers, LocalHttpServer::Answer("VER. 1.700"), false},
        AnswerCase{"Zero", AnswerCase::Answers, LocalHttpServer::Answer("VER. 0.000"), false},
        AnswerCase{"EmptyBody", AnswerCase::Answers, LocalHttpServer::Answer(""), false},
        AnswerCase{"Malformed", AnswerCase::Answers, LocalHttpServer::Answer("VER. 1.7a0"), false},
        AnswerCase{"Garbage", AnswerCase::Answers, "garbage\r\n\r\n", false},
        AnswerCase{"NotFound", AnswerCase::Answers, LocalHttpServer::Answer("VER. 9.999", "404 Not Found"), false},
        AnswerCase{"NeverAnswers", AnswerCase::NeverAnswers, {}, false},
        AnswerCase{"Refused", AnswerCase::Refuses, {}, false}),
    [](const ::testing::TestParamInfo<AnswerCase>& info) { return std::string(info.param.name); });

}  // namespace
