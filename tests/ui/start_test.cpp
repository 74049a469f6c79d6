#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>

#include "support/katalog_tymczasowy.h"
#include "ui/okno_testowe.h"

namespace {

struct przebieg {
  int kod = -1;
  std::string log, bledy;
};

// The editor as a user starts it, in a fresh working directory.
przebieg uruchom(const katalog_tymczasowy& katalog, const QStringList& argumenty) {
  QProcess program;
  // Mesa unloads its driver before a leak report could name what the driver keeps, so the
  // editor's own leaks are looked for in the in-process tests, not in this run.
  QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
  srodowisko.insert("LSAN_OPTIONS", srodowisko.value("LSAN_OPTIONS") + ":detect_leaks=0");
  program.setProcessEnvironment(srodowisko);
  program.setWorkingDirectory(QString::fromStdString(katalog.plik("")));
  program.start(VIALTOR_EDYTOR_PROGRAM, argumenty);
  EXPECT_TRUE(program.waitForFinished(120000));
  przebieg p;
  p.kod = program.exitCode();
  p.bledy = program.readAllStandardError().toStdString();
  QFile log(QString::fromStdString(katalog.plik("!log.txt")));
  if (log.open(QIODevice::ReadOnly)) p.log = log.readAll().toStdString();
  return p;
}

// Each line appears after the one before it.
void po_kolei(const std::string& tekst, const std::vector<std::string>& wiersze) {
  std::size_t od = 0;
  for (const std::string& w : wiersze) {
    const std::size_t gdzie = tekst.find(w, od);
    ASSERT_NE(gdzie, std::string::npos) << "\"" << w << "\" missing after offset " << od << " in:\n" << tekst;
    od = gdzie + w.size();
  }
}

const std::string PROBKA = KATALOG_DANYCH + "/projects/elblag_petla.vxm";

}  // namespace

TEST(Start, ZrzutZapisujeOknoILogPoKolei) {
  katalog_tymczasowy katalog;
  const QString obraz = QString::fromStdString(katalog.plik("okno.png"));
  const przebieg p = uruchom(katalog, {"--zrzut", obraz, QString::fromStdString(PROBKA)});
  ASSERT_EQ(p.kod, 0) << p.bledy;

  po_kolei(p.log, {"start\n", "Vialtor started at ", "\nOpenGL Vendor:   [", "]\nOpenGL Renderer: [",
                   "]\nOpenGL Version:  [", "]\nwindows get renderer info error\nGraphics Memory:   [0]\n",
                   "\nObslugiwane rozszerzenia:   [", "]\n\n\n\n\nmain loop\n", "\n\n\nshutdown\nbye, bye...\n"});
  EXPECT_EQ(p.log.rfind("start\n", 0), 0u) << "the log starts with the start line";
  EXPECT_EQ(p.log.find("#komunikat"), std::string::npos) << p.log;

  // The picture is the whole window: the client area of an editor window made here.
  okno_testowe t;
  const QImage zrzut(obraz);
  ASSERT_FALSE(zrzut.isNull());
  EXPECT_EQ(zrzut.size(), t.okno.size());
  EXPECT_EQ(zrzut.width(), 1024);
}

TEST(Start, PlikZWierszaPolecenOtwieranyJakPolecenieMenu) {
  katalog_tymczasowy katalog;
  const std::string obcy = katalog.plik("obcy.vxm");
  {
    QFile f(QString::fromStdString(obcy));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("nie projekt");
  }
  const przebieg p = uruchom(katalog, {"--zrzut", QString::fromStdString(katalog.plik("a.png")),
                                       QString::fromStdString(obcy)});
  EXPECT_EQ(p.kod, 0) << p.bledy;
  // Not a project: refused with its message, after start-up; nobody is there to close a box.
  po_kolei(p.log, {"main loop\n", "#komunikat: 24\n", "shutdown\n"});
  EXPECT_NE(p.bledy.find("Wczytywany plik nie jest formatem Vialtor"), std::string::npos) << p.bledy;

  const przebieg brak = uruchom(katalog, {"--zrzut", QString::fromStdString(katalog.plik("b.png")),
                                          QString::fromStdString(katalog.plik("nie_ma.vxm"))});
  EXPECT_EQ(brak.kod, 0) << brak.bledy;
  po_kolei(brak.log, {"main loop\n", "Blok save: Błąd zapisu pliku!\n",
                      "nie można otworzyć pliku " + katalog.plik("nie_ma.vxm"), "shutdown\n"});
}

TEST(Start, ZrzutDoNiezapisywalnegoPlikuKonczySieBledem) {
  katalog_tymczasowy katalog;
  const przebieg p = uruchom(katalog, {"--zrzut", QString::fromStdString(katalog.plik("nie_ma/okno.png"))});
  EXPECT_NE(p.kod, 0);
  EXPECT_NE(p.bledy.find("okno.png"), std::string::npos) << p.bledy;
  po_kolei(p.log, {"main loop\n", "shutdown\n", "bye, bye...\n"});
}
