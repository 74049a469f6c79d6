// glWindowPos is GL 1.4, beyond the headers' GL 1.1.
#define GL_GLEXT_PROTOTYPES
#include "ui/widok_planu.h"

#include <QBackingStore>
#include <QPaintEngine>
#include <QPainter>

#include <GL/gl.h>
#include <GL/glext.h>

#include "dokument/dokument.h"
#include "ui/okno_gl_planu.h"
#include "view/klatka_gl.h"
#include "view/stan_edytora.h"

namespace {
std::string tekst_gl(GLenum nazwa) {
  const auto* t = reinterpret_cast<const char*>(glGetString(nazwa));
  return t ? t : "";
}

// The overlay drawn by QPainter into a picture of its own size, laid over the frame whose
// viewport is `wysokosc` pixels high (a premultiplied picture: its colour is added over what its
// alpha leaves).
void rysuj_nakladke_gl(const nakladka_planu& n, int wysokosc, qreal piksel) {
  const QRect obszar = n.obszar();
  if (obszar.isEmpty()) return;
  QImage obraz(obszar.size() * piksel, QImage::Format_RGBA8888_Premultiplied);
  obraz.setDevicePixelRatio(piksel);
  obraz.fill(Qt::transparent);
  {
    QPainter p(&obraz);
    p.translate(-obszar.topLeft());
    n.rysuj(p);
  }
  // GL counts rows from the bottom.
  obraz = obraz.mirrored();
  glPushAttrib(GL_COLOR_BUFFER_BIT | GL_ENABLE_BIT | GL_PIXEL_MODE_BIT);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glWindowPos2i(static_cast<GLint>(obszar.left() * piksel),
                wysokosc - static_cast<GLint>((obszar.top() + obszar.height()) * piksel));
  glDrawPixels(obraz.width(), obraz.height(), GL_RGBA, GL_UNSIGNED_BYTE, obraz.constBits());
  glPopAttrib();
}

}  // namespace

widok_planu::widok_planu(dokument& dok, stan_edytora& stan, QWidget* rodzic)
    : QWidget(rodzic),
      okno_(std::make_unique<okno_gl_planu>(okno_gl_planu::zdarzenia{
          [this] { initializeGL(); }, [this] { paintGL(); }, [this] { emit frameSwapped(); }})),
      dok_(dok),
      stan_(stan),
      pamiec_(malarz_, dok) {
  setFixedSize(SZEROKOSC_WIDOKU, WYSOKOSC_WIDOKU);
  // Native, and with it its parents and their other children: the GL window goes inside the
  // widget's own window, shown and hidden with it, and the panels over the plan, native windows
  // made after it (or raised), stay above it.
  setAttribute(Qt::WA_NativeWindow);
}

bool widok_planu::event(QEvent* e) {
  if (e->type() == QEvent::WinIdChange && windowHandle()) {
    okno_->setParent(windowHandle());
    okno_->setGeometry(rect());
    okno_->setVisible(true);
  }
  return QWidget::event(e);
}

widok_planu::~widok_planu() { zwolnij_gl(); }

void widok_planu::ustaw_obrazy(warstwy_obrazow* obrazy) {
  obrazy_ = obrazy ? obrazy : &bez_obrazow_;
  update();
}

void widok_planu::update() {
  zmiana_ = true;
  okno_->requestUpdate();
}

void widok_planu::migniecie() {
  czeka_migniecie_ = true;
  okno_->requestUpdate();
}

void widok_planu::zwolnij_gl() {
  // Before the first frame there is no context, and nothing to delete.
  if (!isValid() || !okno_->zrob_biezacym_bez_okna()) return;
  pamiec_.zwolnij_gl();
  migniecia_.zwolnij_gl();
  doneCurrent();
}

bool widok_planu::isValid() const { return okno_->kontekst() && okno_->kontekst()->isValid(); }

QOpenGLContext* widok_planu::context() const { return okno_->kontekst(); }

QWindow* widok_planu::okno_gl() const { return okno_.get(); }

void widok_planu::makeCurrent() { okno_->zrob_biezacym(); }

void widok_planu::doneCurrent() { okno_->zwolnij_biezacy(); }

QImage widok_planu::grabFramebuffer() { return okno_->klatka_poza_ekranem(); }

void widok_planu::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QBackingStore* ekran = window()->backingStore();
  if (ekran && p.paintEngine()->paintDevice() == ekran->paintDevice()) return;
  p.drawImage(QPoint(0, 0), grabFramebuffer());
}

void widok_planu::initializeGL() {
  gl_ = {tekst_gl(GL_VENDOR), tekst_gl(GL_RENDERER), tekst_gl(GL_VERSION), tekst_gl(GL_EXTENSIONS)};
  glClearColor(0.8f, 0.8f, 0.8f, 1);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  emit zainicjowany();
}

void widok_planu::paintGL() {
  // A blink that shares its frame with another change, or a frame nobody asked for through the
  // view (a grab, a resize), draws the whole plan and drops the kept frames.
  const bool tylko_miganie = czeka_migniecie_ && !zmiana_;
  czeka_migniecie_ = zmiana_ = false;
  const bool ukryte = obrazy_->ukryte_przez_miganie();
  GLint okno[4] = {};
  glGetIntegerv(GL_VIEWPORT, okno);
  if (!tylko_miganie)
    migniecia_.uniewaznij();
  else if (migniecia_.pokaz(ukryte, okno[2], okno[3])) {
    emit narysowano();
    return;
  }
  malarz_.ustaw_piksel(devicePixelRatioF());
  rysuj_klatke_gl(malarz_, dok_, stan_, *obrazy_, pamiec_);
  for (const auto& n : nakladki_) rysuj_nakladke_gl(*n, okno[3], devicePixelRatioF());
  if (tylko_miganie) migniecia_.zachowaj(ukryte, okno[2], okno[3]);
  emit narysowano();
}
