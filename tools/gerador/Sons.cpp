#include "Gerador.h"

// Placeholder until this catalog is drawn.
namespace pelmar::gerador {
void geraSons(const QString&) {}
}  // namespace pelmar::gerador
