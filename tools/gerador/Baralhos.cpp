#include "Gerador.h"

// Placeholder until this catalog is drawn.
namespace pelmar::gerador {
void geraBaralhos(const QString&, const QString&) {}
}  // namespace pelmar::gerador
