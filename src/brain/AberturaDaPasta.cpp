#include "brain/AberturaDaPasta.h"

#include "brain/JuncaoPendente.h"
#include "brain/ReparoDoAprendizado.h"

namespace pelmar {

NotasDaPasta abrePastaDoJogo(const std::filesystem::path& dados, const PastaTrabalho& pasta) {
    NotasDaPasta resultado = dados.empty() ? NotasDaPasta{} : instalaDadosQueFaltam(dados, pasta);
    // The repair first: a join never takes a torn line in, so it only touches what came after.
    resultado.acrescenta(reparaFimDoAprendizado(pasta));
    const ConclusaoDaJuncao juncao = concluiJuncaoPendente(pasta);
    resultado.notas.insert(resultado.notas.end(), juncao.notas.begin(), juncao.notas.end());
    resultado.falhouGravar = resultado.falhouGravar || juncao.pendente;
    return resultado;
}

}  // namespace pelmar
