#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "host/HostStrings.h"
#include "host/components/CFennick.h"
#include "host/components/CMolCtrl.h"
#include "host/components/HostComponents.h"
#include "host/components/tests/ComponentsTestSupport.h"
#include "platform/com/ComponentIds.h"
#include "platform/messages/WindowMessages.h"

using namespace vantorel;
using namespace vantorel::host;
using com::InvokeKind;
using com::Variant;
using componenttest::ComponentSandbox;

namespace {

// The calls a fake component logged.
QString logOf(CComponentWnd& wnd) {
  auto* control = dynamic_cast<com::Control*>(wnd.widget());
  return control ? control->invoke(90, InvokeKind::Method, {}).value.toString() : QString();
}

void fire(CComponentWnd& wnd, int event, int a, int b = 0) {
  auto* control = static_cast<com::Control*>(wnd.widget());
  ASSERT_TRUE(control);
  (void)control->invoke(91, InvokeKind::Method, {Variant::fromLong(event), Variant::fromLong(a), Variant::fromLong(b)});
}

struct Host {
  ComponentSandbox box;
  QWidget view;
  HostComponents components;
  HostComponents::Outcome outcome{};

  explicit Host(const QStringList& files = componenttest::kAllFiles, bool withBrowser = true) : box(files) {
    view.resize(800, 600);
    if (withBrowser) box.registerBrowser();
  }
  HostComponents::Outcome create(CQuillet2App* app = nullptr) {
    outcome = components.create({&view, u"/disc/"_qs, box.componentFolder, app});
    return outcome;
  }
};

}  // namespace

// Nothing registered yet: each component fails once, is registered from the component folder and
// then created; the kept ones are hidden children of the view, sized to it, with their ids.
TEST(HostComponents, RegistersEachComponentOnceAndCreatesThemInOrder) {
  Host host;
  ASSERT_EQ(host.create(), HostComponents::Outcome::Ready) << host.box.shownTexts().join(u'|').toStdString();
  EXPECT_TRUE(host.box.boxes.shown().empty());
  for (const auto& [file, clsid] : {std::pair{u"tabrelgk.ocx"_qs, com::ids::kTabrelClass},
                                    {u"brovikgk.ocx"_qs, com::ids::kBrovikClass},
                                    {u"dravixgk.ocx"_qs, com::ids::kDravixClass},
                                    {u"kestringk.ocx"_qs, com::ids::kKestrinClass},
                                    {u"fennickgk.ocx"_qs, com::ids::kFennickClass}}) {
    EXPECT_EQ(com::registeredServerPath(clsid),
              QFileInfo(host.box.componentFolder + file).canonicalFilePath().toStdString());
  }
  struct Kept {
    CComponentWnd* wnd;
    int id;
    const char* name;
  };
  for (const Kept& k : {Kept{&host.components.periodTable(), 1010, "PTable"}, Kept{&host.components.select(), 1035, ""},
                        Kept{&host.components.dataAnal(), 1045, "DataAn"}}) {
    ASSERT_TRUE(k.wnd->widget()) << k.name;
    EXPECT_EQ(k.wnd->widget()->parentWidget(), &host.view);
    EXPECT_EQ(messages::childId(k.wnd->widget()), k.id);
    EXPECT_EQ(k.wnd->widget()->objectName(), QLatin1String(k.name));
    EXPECT_FALSE(k.wnd->widget()->isVisibleTo(&host.view));
    EXPECT_EQ(k.wnd->widget()->geometry(), QRect(0, 0, 800, 600));
  }
  // The data folder reached all three; Brovik heard of the view's window.
  EXPECT_EQ(logOf(host.components.periodTable()), u"LoadData(\"/disc/\")\n"_qs);
  EXPECT_TRUE(logOf(host.components.select()).startsWith(u"InitData(\"/disc/\","_qs));
  EXPECT_EQ(logOf(host.components.dataAnal()), u"InitData(\"/disc/\")\n"_qs);
  // Kestrin and Fennick were only visited; the browser stands outside the visible area.
  EXPECT_EQ(messages::findChildById(&host.view, 1046), nullptr);
  QWidget* web = host.components.webBrowser().widget();
  ASSERT_TRUE(web);
  EXPECT_TRUE(web->isVisibleTo(&host.view));
  EXPECT_EQ(web->geometry(), QRect(-800, 50, 300, 550));
  EXPECT_EQ(messages::childId(web), 1025);
}

TEST(HostComponents, VersionsAndBrovikWindowsAreKept) {
  Host host;
  qputenv("VANTOREL_FAKE_VERSION_KESTRIN", "1.0.012");
  qputenv("VANTOREL_FAKE_VERSION_FENNICK", "1, 0, 0, 9");
  ASSERT_EQ(host.create(), HostComponents::Outcome::Ready);
  qunsetenv("VANTOREL_FAKE_VERSION_KESTRIN");
  qunsetenv("VANTOREL_FAKE_VERSION_FENNICK");
  EXPECT_EQ(host.components.version(ComponentKind::Tabrel), u"1.0.050"_qs);
  EXPECT_EQ(host.components.version(ComponentKind::Kestrin), u"1.0.012"_qs);
  EXPECT_EQ(host.components.version(ComponentKind::Fennick), u"1, 0, 0, 9"_qs);
  // The view window is Brovik's own; the edit handle names no live window and reads as none.
  EXPECT_EQ(host.components.browseViewWindow(), host.components.select().widget());
  EXPECT_EQ(host.components.browseEditWindow(), nullptr);
}

// A missing library stops creation at that component with its own message; later ones are not
// tried.
TEST(HostComponents, EachMissingComponentGivesItsMessageAndStops) {
  struct Case {
    QString missing;
    QString message;
  };
  for (const Case& c : {Case{u"tabrelgk.ocx"_qs, hostString(61229)},
                        Case{u"brovikgk.ocx"_qs, u"Browser selection component not installed correctly"_qs},
                        Case{u"dravixgk.ocx"_qs, u"Data Analyser component not installed correctly"_qs},
                        Case{u"kestringk.ocx"_qs, u"Molecule Controller component not installed correctly"_qs},
                        Case{u"fennickgk.ocx"_qs, u"Molecule Zoom component not installed correctly"_qs}}) {
    QStringList files = componenttest::kAllFiles;
    files.removeAll(c.missing);
    Host host(files);
    EXPECT_EQ(host.create(), HostComponents::Outcome::Failed) << c.missing.toStdString();
    ASSERT_EQ(host.box.boxes.shown().size(), 1u);
    EXPECT_EQ(host.box.boxes.shown()[0].text, c.message);
    EXPECT_EQ(host.box.boxes.shown()[0].buttons, ui::Buttons::Ok);
    EXPECT_FALSE(host.components.webBrowser().exists());
  }
  EXPECT_FALSE(hostString(61229).isEmpty());
}

// A library whose interface lacks a member the host needs, or has one with another signature,
// does not get created, even after it is registered again.
TEST(HostComponents, AComponentWithAnotherInterfaceFailsCleanly) {
  struct Case {
    const char* broken;
    QString message;
    QString reason;
  };
  for (const Case& c :
       {Case{"TABREL", hostString(61229), u"member 2 is missing"_qs},
        Case{"DRAVIX", u"Data Analyser component not installed correctly"_qs, u"member 2 has another type"_qs}}) {
    Host host;
    qputenv("VANTOREL_FAKE_BROKEN", c.broken);
    const auto outcome = host.create();
    qunsetenv("VANTOREL_FAKE_BROKEN");
    EXPECT_EQ(outcome, HostComponents::Outcome::Failed);
    EXPECT_EQ(host.box.shownTexts(), QStringList{c.message});
    CComponentWnd& failed = c.broken == std::string("TABREL")
                                ? static_cast<CComponentWnd&>(host.components.periodTable())
                                : host.components.dataAnal();
    EXPECT_FALSE(failed.exists());
    EXPECT_EQ(failed.lastError(), c.reason);
  }
}

TEST(HostComponents, WithoutAPageBrowserTheComponentsStayAndTheMessageIsShown) {
  Host host(componenttest::kAllFiles, false);
  EXPECT_EQ(host.create(), HostComponents::Outcome::NoBrowser);
  EXPECT_EQ(host.box.shownTexts(), QStringList{hostString(61218)});
  EXPECT_TRUE(host.components.select().exists());
  EXPECT_FALSE(host.components.webBrowser().exists());
}

TEST(HostComponents, EventsArriveAsSignalsWithTheirArguments) {
  Host host;
  ASSERT_EQ(host.create(), HostComponents::Outcome::Ready);
  QSignalSpy tree(&host.components.select(), &CSelect::treeSelected);
  QSignalSpy list(&host.components.select(), &CSelect::listSelected);
  QSignalSpy element(&host.components.periodTable(), &CPeriodTable::elementDetail);
  fire(host.components.select(), 1, 410123, 77);
  fire(host.components.select(), 1, 410123, 77);
  fire(host.components.select(), 2, 30042);
  fire(host.components.periodTable(), 1, 26);
  ASSERT_EQ(tree.count(), 2);
  EXPECT_EQ(tree.at(1), (QList<QVariant>{410123, 77}));
  ASSERT_EQ(list.count(), 1);
  EXPECT_EQ(list.at(0).at(0).toInt(), 30042);
  ASSERT_EQ(element.count(), 1);
  EXPECT_EQ(element.at(0).at(0).toInt(), 26);
}

TEST(HostComponents, BeforeNavigateCancelsWhenTheHandlerSaysSo) {
  Host host;
  ASSERT_EQ(host.create(), HostComponents::Outcome::Ready);
  CWebBrowser& web = host.components.webBrowser();
  web.Navigate(u"/disc/a.htm"_qs);  // no handler: the browser goes
  std::vector<NavigateRequest> asked;
  web.setBeforeNavigate([&](const NavigateRequest& r) {
    asked.push_back(r);
    return r.url.startsWith(u"ftp:"_qs);
  });
  web.Navigate(u"ftp://elsewhere/"_qs);
  web.Navigate(u"/disc/b.htm"_qs);
  EXPECT_EQ(logOf(web), u"went /disc/a.htm\nrefused ftp://elsewhere/\nwent /disc/b.htm\n"_qs);
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0].targetFrameName, u"_self"_qs);
  EXPECT_EQ(web.Document(), dynamic_cast<com::Dispatchable*>(web.widget()));
}

// Each typed member reaches its dispatch member with the declared types.
TEST(HostComponents, TypedMembersCallTheirNumbers) {
  Host host;
  ASSERT_EQ(host.create(), HostComponents::Outcome::Ready);
  CPeriodTable& table = host.components.periodTable();
  EXPECT_EQ(table.GetMode(), 3);
  EXPECT_EQ(table.GetExtra(), 17);
  table.Initialise();
  table.SetState(2, -5);
  EXPECT_TRUE(logOf(table).endsWith(u"GetMode()\nGetExtra()\nInitialise()\nSetState(2,-5)\n"_qs));

  CSelect& select = host.components.select();
  EXPECT_EQ(select.GetTreeName(5), u"Όνομα"_qs);
  EXPECT_EQ(select.GetObjectName(6), u"Αντικείμενο"_qs);
  select.SetRoute(6);
  select.GotoPosition(410007, 3);
  EXPECT_TRUE(logOf(select).endsWith(u"SetRoute(6)\nGotoPosition(410007,3,false)\n"_qs));

  CDataAnal& data = host.components.dataAnal();
  data.SetBMSorG(1);
  data.SetShowLabels(true);
  data.SetGraphFields(70000);
  EXPECT_EQ(data.GetBMSorG(), 1);
  EXPECT_TRUE(data.GetShowLabels());
  EXPECT_EQ(data.GetGraphFields(), 70000);
  EXPECT_EQ(data.GetTable(), 2);
  EXPECT_EQ(data.GetColumnWidth(4), 88);
  data.SetFilter(12, 2, 0);
  data.CopySelection();
  data.PrintGraph();
  EXPECT_TRUE(logOf(data).endsWith(u"SetFilter(12,2,0x0)\nCopySelection()\nPrintGraph()\n"_qs));
}

TEST(HostComponents, WrappersWithoutAComponentAnswerEmpty) {
  CDataAnal data;
  EXPECT_FALSE(data.exists());
  EXPECT_EQ(data.GetBMSorG(), 0);
  EXPECT_EQ(data.Version(), QString());
  data.PrintGraph();  // nothing to call, nothing happens
  CWebBrowser web;
  EXPECT_EQ(web.Document(), nullptr);
}

// Reported versions are compared by their numbers: 1.0.100 is newer than 1.0.99, "1, 0, 0, 32" reads
// as 1.0.0.32, and an empty text is older than anything. The messages keep their order.
TEST(HostComponents, MinimumVersionsCompareNumbersAndKeepTheirOrder) {
  Host host;
  qputenv("VANTOREL_FAKE_VERSION_TABREL", "1.0.0100");     // minimum 1.0.023: newer, though not as text
  qputenv("VANTOREL_FAKE_VERSION_BROVIK", "1, 0, 0, 32");  // minimum 1.0.021: older
  qputenv("VANTOREL_FAKE_VERSION_DRAVIX", "");             // minimum 1.0.032: older
  qputenv("VANTOREL_FAKE_VERSION_FENNICK", "1.0.10");      // minimum 1.0.010: the same
  ASSERT_EQ(host.create(), HostComponents::Outcome::Ready);
  for (const char* name : {"TABREL", "BROVIK", "DRAVIX", "FENNICK"}) {
    qunsetenv((QByteArray("VANTOREL_FAKE_VERSION_") + name).constData());
  }
  host.components.checkMinimumVersions();
  EXPECT_EQ(host.box.shownTexts(), (QStringList{u"DRAVIX"_qs + hostString(61226), u"BROVIK"_qs + hostString(61226)}));
  EXPECT_TRUE(hostString(61226).startsWith(u".OCX "_qs));
}
