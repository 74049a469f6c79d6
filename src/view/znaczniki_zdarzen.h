#pragma once

class malarz;
class tor_uklad;
struct stan_edytora;

// Over the layout, in events mode: the hovered event's symbol drawn again larger, the selected
// one's framed in the selection colour of the layout's scheme.
void rysuj_znaczniki_zdarzen(malarz& m, const tor_uklad& u, const stan_edytora& edytor);
