#pragma once

#include <string_view>

namespace pelmar {

class ModeloMesa;
class Plataforma;

// The small window that shows a long rule operation's progress: caption, count read, total and
// maximum. Shown while an operation runs, hidden when it ends.
class ContadorRegras {
public:
    ContadorRegras(ModeloMesa& mesa, Plataforma& plataforma) : mesa_(mesa), plataforma_(plataforma) {}

    void mostra(std::string_view legenda);
    void numero(int n);
    void total(int n);
    void maximo(int n);
    void esconde();
    void processaEventos();

private:
    ModeloMesa& mesa_;
    Plataforma& plataforma_;
};

}  // namespace pelmar
