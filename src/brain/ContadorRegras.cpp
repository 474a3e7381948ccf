#include "brain/ContadorRegras.h"

#include <string>

#include "engine/ModeloMesa.h"
#include "engine/Plataforma.h"

namespace pelmar {

void ContadorRegras::mostra(std::string_view legenda) {
    Controle& janela = mesa_["TfCONTADOR"];
    janela.texto = std::string(legenda);
    janela.visivel = true;
}

void ContadorRegras::numero(int n) { mesa_["NUMERO"].texto = std::to_string(n); }
void ContadorRegras::total(int n) { mesa_["Total"].texto = std::to_string(n); }
void ContadorRegras::maximo(int n) { mesa_["Maximo"].texto = std::to_string(n); }
void ContadorRegras::esconde() { mesa_["TfCONTADOR"].visivel = false; }
void ContadorRegras::processaEventos() { plataforma_.processaEventos(); }

}  // namespace pelmar
