#pragma once
// Creates every window of the program the way the program does, in a temporary
// program folder, with the maker's web server routed to a local test server.

#include "local_http_server.h"
#include "test_support.h"

#include "app/create_windows.h"
#include "app/main_window.h"
#include "platform/application.h"
#include "platform/http_client.h"
#include "platform/url_opener.h"

#include <QTest>
#include <QUrl>
#include <memory>

class AllWindowsTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        SetUrlOpener([this](const QString& url) { OpenedUrls.push_back(url); });
    }

    void TearDown() override {
        FApplication.reset();
        SetHttpTransport({});
        SetUrlOpener({});
        ProgramFolderTest::TearDown();
    }

    // Files the windows read at creation (settings, language files) are written before.
    void CreateWindows() {
        FApplication = std::make_unique<TApplication>();
        Create_All_Windows(*FApplication);
        FVastreloneFirmWare->show();
    }

    // Requests for the maker's server go to 127.0.0.1:port, with the time limit given
    // in place of the product's; the requests as the program made them are kept.
    void RouteMakerServerTo(quint16 port, int timeLimitMs = 5000) {
        SetHttpTransport([this, port, timeLimitMs](const THTTPRequest& request) {
            MakerRequests.push_back(request);
            THTTPRequest local = request;
            QUrl url(request.URL);
            url.setHost(QStringLiteral("127.0.0.1"));
            url.setPort(port);
            local.URL = url.toString();
            local.TimeLimitMs = timeLimitMs;
            RequestInProgress = true;
            if (OnRequestStart) OnRequestStart();
            const THTTPResponse response = QtNetworkGet(local);
            RequestInProgress = false;
            return response;
        });
    }

    void WriteSettings(bool internet, bool update, const QString& language = QStringLiteral("English")) {
        WriteFile(QStringLiteral("Vastrelon.xml"),
                  QStringLiteral("<Conf_Settings><lastproj><projectname/></lastproj>"
                                 "<lastipadd><ipaddress>192.168.2.205</ipaddress></lastipadd>"
                                 "<lastlang><language>%1</language></lastlang>"
                                 "<lastinternet><enable_internet>%2</enable_internet>"
                                 "<enable_update>%3</enable_update>"
                                 "<enable_jump_field_tables>0</enable_jump_field_tables>"
                                 "<Double_Click_Auto_Size>0</Double_Click_Auto_Size></lastinternet>"
                                 "</Conf_Settings>")
                      .arg(language, internet ? QStringLiteral("1") : QStringLiteral("0"),
                           update ? QStringLiteral("1") : QStringLiteral("0"))
                      .toUtf8());
    }

    // A click with the mouse near the left edge, where check boxes have their box and
    // link labels their link.
    static void ClickLeft(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, widget->height() / 2));
    }
    static void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    std::vector<THTTPRequest> MakerRequests;
    bool RequestInProgress = false;
    std::function<void()> OnRequestStart;
    std::vector<QString> OpenedUrls;

private:
    std::unique_ptr<TApplication> FApplication;
};
