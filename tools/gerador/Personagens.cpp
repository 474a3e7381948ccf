#include "Gerador.h"

// Placeholder until this catalog is drawn.
namespace pelmar::gerador {
void geraPersonagens(const QString&, const QString&) {}
}  // namespace pelmar::gerador
