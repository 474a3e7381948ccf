#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace pelmar {

// Listeners of one kind of event. Each listener holds an `Assinatura`; when it goes, the listener
// stops hearing, in whatever order listeners come and go and even if the source is gone first.
template <typename... Args>
class Ouvintes {
    struct Lista {
        // Shared, so a listener being told stays alive even if the list changes under it.
        std::vector<std::pair<int, std::shared_ptr<const std::function<void(Args...)>>>> ouvintes;
        int proximoId = 0;
        int avisando = 0;
    };

public:
    class Assinatura {
    public:
        Assinatura() = default;
        Assinatura(Assinatura&& outra) noexcept : lista_(std::move(outra.lista_)), id_(outra.id_) {}
        Assinatura& operator=(Assinatura&& outra) noexcept {
            if (this != &outra) {
                cancela();
                lista_ = std::move(outra.lista_);
                id_ = outra.id_;
            }
            return *this;
        }
        Assinatura(const Assinatura&) = delete;
        Assinatura& operator=(const Assinatura&) = delete;
        ~Assinatura() { cancela(); }

        void cancela() {
            const auto lista = lista_.lock();
            lista_.reset();
            if (!lista) return;
            auto& v = lista->ouvintes;
            for (auto it = v.begin(); it != v.end(); ++it) {
                if (it->first != id_) continue;
                // A listener may leave while being told; its slot is emptied now and removed later.
                if (lista->avisando > 0) it->second.reset();
                else v.erase(it);
                return;
            }
        }

    private:
        friend class Ouvintes;
        Assinatura(const std::shared_ptr<Lista>& lista, int id) : lista_(lista), id_(id) {}
        std::weak_ptr<Lista> lista_;
        int id_ = 0;
    };

    [[nodiscard]] Assinatura assina(std::function<void(Args...)> ouvinte) {
        const int id = lista_->proximoId++;
        lista_->ouvintes.emplace_back(id, std::make_shared<const std::function<void(Args...)>>(std::move(ouvinte)));
        return Assinatura(lista_, id);
    }

    // Tells the listeners there were when it began, in the order they came.
    void avisa(const Args&... args) const {
        Lista& lista = *lista_;
        const std::size_t quantos = lista.ouvintes.size();
        ++lista.avisando;
        for (std::size_t i = 0; i < quantos && i < lista.ouvintes.size(); ++i) {
            const auto ouvinte = lista.ouvintes[i].second;
            if (ouvinte) (*ouvinte)(args...);
        }
        if (--lista.avisando == 0) std::erase_if(lista.ouvintes, [](const auto& o) { return !o.second; });
    }

    bool vazia() const { return lista_->ouvintes.empty(); }

private:
    std::shared_ptr<Lista> lista_ = std::make_shared<Lista>();
};

}  // namespace pelmar
