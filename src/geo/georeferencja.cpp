#include "geo/georeferencja.h"

#include <proj.h>

#include <cmath>
#include <utility>

punkt_mapy georeferencja::na_mape(punkt_planu p) const {
  return {HEKTOMETR * kolumna + p.x, HEKTOMETR * wiersz + p.y};
}

punkt_planu georeferencja::na_plan(punkt_mapy m) const {
  return {m.e - HEKTOMETR * kolumna, m.n - HEKTOMETR * wiersz};
}

namespace {

std::string powod(PJ_CONTEXT* ctx) {
  const char* tekst = proj_context_errno_string(ctx, proj_context_errno(ctx));
  return tekst != nullptr && *tekst != '\0' ? tekst : "nieznany układ współrzędnych";
}

}  // namespace

struct przeliczenie_crs::stan {
  PJ_CONTEXT* ctx = nullptr;
  PJ* pj = nullptr;
  ~stan() {
    if (pj != nullptr) proj_destroy(pj);
    if (ctx != nullptr) proj_context_destroy(ctx);
  }
};

std::optional<std::string> blad_crs(const std::string& crs) {
  PJ_CONTEXT* ctx = proj_context_create();
  proj_log_level(ctx, PJ_LOG_NONE);
  PJ* pj = proj_create(ctx, crs.c_str());
  std::optional<std::string> blad;
  if (pj == nullptr) {
    blad = powod(ctx);
  } else if (!proj_is_crs(pj)) {
    blad = "to nie jest układ współrzędnych";
  }
  if (pj != nullptr) proj_destroy(pj);
  proj_context_destroy(ctx);
  return blad;
}

std::variant<przeliczenie_crs, std::string> przeliczenie_crs::utworz(const std::string& z, const std::string& do_) {
  for (const std::string* crs : {&z, &do_}) {
    if (auto blad = blad_crs(*crs)) return "układ " + *crs + ": " + *blad;
  }
  auto s = std::make_unique<stan>();
  s->ctx = proj_context_create();
  proj_log_level(s->ctx, PJ_LOG_NONE);
  PJ* surowe = proj_create_crs_to_crs(s->ctx, z.c_str(), do_.c_str(), nullptr);
  if (surowe == nullptr) return "brak przeliczenia z " + z + " do " + do_ + ": " + powod(s->ctx);
  // Longitude first and easting first, whatever the authority's axis order.
  s->pj = proj_normalize_for_visualization(s->ctx, surowe);
  proj_destroy(surowe);
  if (s->pj == nullptr) return "brak przeliczenia z " + z + " do " + do_ + ": " + powod(s->ctx);
  return przeliczenie_crs(std::move(s));
}

przeliczenie_crs::przeliczenie_crs(std::unique_ptr<stan> s) : stan_(std::move(s)) {}
przeliczenie_crs::przeliczenie_crs(przeliczenie_crs&&) noexcept = default;
przeliczenie_crs& przeliczenie_crs::operator=(przeliczenie_crs&&) noexcept = default;
przeliczenie_crs::~przeliczenie_crs() = default;

std::optional<punkt_mapy> przeliczenie_crs::przelicz(double a, double b) const {
  if (!std::isfinite(a) || !std::isfinite(b)) return std::nullopt;
  PJ_COORD c = proj_coord(a, b, 0, 0);
  PJ_COORD w = proj_trans(stan_->pj, PJ_FWD, c);
  if (proj_errno(stan_->pj) != 0) {
    proj_errno_reset(stan_->pj);
    return std::nullopt;
  }
  if (!std::isfinite(w.xy.x) || !std::isfinite(w.xy.y)) return std::nullopt;
  return punkt_mapy{w.xy.x, w.xy.y};
}
