#!/usr/bin/env python3
"""Writes data/P-BRAIN.TXT, the fixed rules a computer seat tries before its card analysis.

Usage:
    gera-cerebro-fixo.py [OUTPUT]            write the rules (default: data/P-BRAIN.TXT)
    gera-cerebro-fixo.py --verificar FILE    check an existing rule file, write nothing

The computer takes the first rule whose fields fit its situation, so every rule here is a
concrete situation with a sound play, and more specific rules come before more general ones.
Nothing is written unless every rule passes the checks below.
"""

import os
import re
import sys
import tempfile

TITULO = "#, CEREBRO PELMAR 6.2.01 Varonte 6 08/08/2009"
SEPARADOR = "#, " + "-" * 23
SAIDA_PADRAO = os.path.join("data", "P-BRAIN.TXT")

# Card classes, strongest first.
ORDEM = "ZCEO32AMP"
MANILHAS = "ZCEO"
# Copies of a class that exist in the deck (figures and low cards are never short).
LIMITE = {"Z": 1, "C": 1, "E": 1, "O": 1, "3": 4, "2": 4, "A": 4}
RESULTADOS = "BME"

PESO_MIN, PESO_MAX = 100, 400
# Weights for the kinds of rule; 300 and more are logged as special.
CERTEZA = 320      # the hand is ours whatever the others hold
ZAP_FIM = 350      # the zap in the last trick
GANHA_FIM = 300    # the last card surely takes the deciding trick
PERDIDA = 260      # the hand is already lost: hide the card, never raise
FORTE = 240
BOA = 220
NORMAL = 200
FRACA = 180
ABRE = 150


def forca(c):
    return len(ORDEM) - ORDEM.index(c)


def acima(c):
    """Classes that surely beat c."""
    return ORDEM[:ORDEM.index(c)]


def abaixo(c):
    """Classes that surely lose to c."""
    return ORDEM[ORDEM.index(c) + 1:]


def cartas_do_parceiro(t, s):
    # Seats 3 and 4 play after the partner, who has already spent a card in this trick.
    return 4 - t if s <= 2 else 3 - t


class Regra:
    __slots__ = ("t", "s", "res", "par", "mao", "a", "e", "x", "w", "secao")

    def __init__(self, t, s, res, par, mao, a, e, x, w, secao=""):
        self.t, self.s = t, s
        self.res = res      # [(R, C)] for tricks 1..3
        self.par = par      # partner's cards, 3 letters
        self.mao = mao      # own cards, 3 letters
        self.a, self.e, self.x, self.w = a, e, x, w
        self.secao = secao

    def chave(self):
        """The twelve fields that are matched against the computer's situation."""
        campos = []
        for r, c in self.res:
            campos += [r, c]
        return tuple(campos) + tuple(self.par) + tuple(self.mao)

    def cartas(self):
        return [c for _, c in self.res] + list(self.par) + list(self.mao)

    def linha(self):
        (r1, c1), (r2, c2), (r3, c3) = self.res
        p, j = self.par, self.mao
        return (f"=,  {self.t},{self.s},  1,*, {r1},{c1}, {r2},{c2}, {r3},{c3},  "
                f"{p[0]},{p[1]},{p[2]},  {j[0]},{j[1]},{j[2]},  "
                f"{self.a},{self.e},{self.x},   {self.w}")


def completa(padrao, n):
    padrao = "*" * n if padrao is None else padrao
    return padrao + "?" * (3 - len(padrao))


def regra(t, s, a, x="-", w=NORMAL, e="-", r1=None, r2=None, r3=None, p=None, j=None):
    """Builds a rule; fields left out are '*' where a card or result exists, '?' elsewhere."""
    res = []
    for k, dado in enumerate((r1, r2, r3), start=1):
        if dado is None:
            if k < t:
                dado = "**"
            elif k == t:
                dado = "??" if s == 1 else "**"
            else:
                dado = "??"
        res.append((dado[0], dado[1]))
    return Regra(t, s, res, completa(p, cartas_do_parceiro(t, s)), completa(j, 4 - t),
                 a, e, x, w)


# ---------------------------------------------------------------------------
# Checks

def _maos(n):
    """Every possible hand of n cards as class letters, strongest first."""
    saida = []

    def monta(prefixo, inicio):
        if len(prefixo) == n:
            saida.append("".join(prefixo))
            return
        for i in range(inicio, len(ORDEM)):
            c = ORDEM[i]
            if c in MANILHAS and c in prefixo:
                continue
            monta(prefixo + [c], i)

    monta([], 0)
    return saida


MAOS = {n: _maos(n) for n in range(4)}


def _encaixa(padrao, mao):
    return all(p == "*" or p == m for p, m in zip(padrao, mao))


def _baralho_ok(cartas):
    contagem = {}
    for c in cartas:
        if c in LIMITE:
            contagem[c] = contagem.get(c, 0) + 1
            if contagem[c] > LIMITE[c]:
                return False
    return True


def _resultados_possiveis(regra_):
    """Every list of trick results a real situation could show for this rule."""
    t, s = regra_.t, regra_.s
    opcoes = []
    for k, (r, _) in enumerate(regra_.res, start=1):
        if k > t or (k == t and s == 1):
            opcoes.append(["?"])
            continue
        validos = list(RESULTADOS)
        if k == t and s == 2:
            validos = ["M"]         # only the opponent who leads has played
        opcoes.append(validos if r == "*" else [r] if r in validos else [])
    combinacoes = [[]]
    for lista in opcoes:
        combinacoes = [c + [r] for c in combinacoes for r in lista]
    bons = []
    for rs in combinacoes:
        if t >= 2:
            # The side that took (or tied) the last trick leads the next one.
            anterior = rs[t - 2]
            if s in (1, 3) and anterior == "M":
                continue
            if s in (2, 4) and anterior == "B":
                continue
        if t == 3 and (rs[0], rs[1]) not in (("B", "M"), ("M", "B"), ("E", "E")):
            continue  # any other pair of results has already decided the hand
        bons.append(rs)
    return bons


def situacoes(regra_):
    """Yields the twelve matched fields of every real situation this rule fits."""
    t, s = regra_.t, regra_.s
    n_p, n_j = cartas_do_parceiro(t, s), 4 - t
    pares = [h for h in MAOS[n_p] if _encaixa(regra_.par, h)]
    maos = [h for h in MAOS[n_j] if _encaixa(regra_.mao, h)]
    for rs in _resultados_possiveis(regra_):
        opcoes = []
        for (_, c), real in zip(regra_.res, rs):
            if real == "?":
                opcoes.append(["?"])
                continue
            validas = ORDEM if real != "E" else ORDEM[len(MANILHAS):]  # manilhas never tie
            opcoes.append([x for x in validas if c in ("*", x)])
        for c1 in opcoes[0]:
            for c2 in opcoes[1]:
                for c3 in opcoes[2]:
                    lideres = [c for c in (c1, c2, c3) if c != "?"]
                    if not _baralho_ok(lideres):
                        continue
                    for mao in maos:
                        com_mao = lideres + list(mao)
                        if not _baralho_ok(com_mao):
                            continue
                        for par in pares:
                            if _baralho_ok(com_mao + list(par)):
                                yield (rs[0], c1, rs[1], c2, rs[2], c3) + tuple(
                                    completa(par, 0)) + tuple(completa(mao, 0))


def _existe_situacao(regra_):
    return next(situacoes(regra_), None) is not None


def _fica_com(regra_, chave):
    return all(f == "*" or f == k for f, k in zip(regra_.chave(), chave))


def erros_da_regra(r):
    erros = []
    if r.t not in (1, 2, 3):
        return [f"trick {r.t} is not 1, 2 or 3"]
    if r.s not in (1, 2, 3, 4):
        return [f"seat {r.s} is not 1 to 4"]
    for (res, c) in r.res:
        if res not in RESULTADOS + "?*":
            erros.append(f"result '{res}' is not B, M, E, ? or *")
        if c not in ORDEM + "?*":
            erros.append(f"card class '{c}' is not one of {ORDEM}?*")
    for c in r.par + r.mao:
        if c not in ORDEM + "?*":
            erros.append(f"card class '{c}' is not one of {ORDEM}?*")
    if not isinstance(r.a, int) or not 0 <= r.a <= 3:
        erros.append(f"action {r.a} is not 0 to 3")
    if r.e not in ("E", "-"):
        erros.append(f"cover mark '{r.e}' is not E or -")
    if r.x not in ("T", "-"):
        erros.append(f"truco mark '{r.x}' is not T or -")
    if not isinstance(r.w, int) or not PESO_MIN <= r.w <= PESO_MAX:
        erros.append(f"weight {r.w} is outside {PESO_MIN}..{PESO_MAX}")
    if erros:
        return erros

    t, s = r.t, r.s
    r2, r3 = r.res[1][0], r.res[2][0]
    # The game's own checker deletes rules that break any of these.
    if t == 2 and r.a > 2:
        erros.append("trick 2 allows action 0, 1 or 2 only")
    if t == 3 and r.a > 1:
        erros.append("trick 3 allows action 0 or 1 only")
    if t == 1 and s <= 2 and "?" in (r.par[2], r.mao[2]):
        erros.append("trick 1, seat 1 or 2: P3 and J3 must not be '?'")
    if t == 1 and s >= 3 and r.mao[2] == "?":
        erros.append("trick 1, seat 3 or 4: J3 must not be '?'")
    if t == 2 and s <= 2 and "?" in (r.par[1], r.mao[1]):
        erros.append("trick 2, seat 1 or 2: P2 and J2 must not be '?'")
    if t == 2 and s >= 3 and r.mao[1] == "?":
        erros.append("trick 2, seat 3 or 4: J2 must not be '?'")
    if t == 2 and s >= 2 and r2 == "?":
        erros.append("trick 2, seat 2 to 4: R2 must not be '?'")
    if t == 3 and s >= 2 and r3 == "?":
        erros.append("trick 3, seat 2 to 4: R3 must not be '?'")
    if not _baralho_ok(r.cartas()):
        erros.append("more cards of one class than the deck has")

    # Consistency with the situations the game really builds.
    for nome, campos, n in (("partner", r.par, cartas_do_parceiro(t, s)), ("own", r.mao, 4 - t)):
        for i, c in enumerate(campos):
            if i < n and c == "?":
                erros.append(f"{nome} card {i + 1} is held, so it cannot be '?'")
            if i >= n and c != "?":
                erros.append(f"{nome} card {i + 1} cannot be held here, so it must be '?'")
        reais = [c for c in campos if c in ORDEM]
        if any(forca(a) < forca(b) for a, b in zip(reais, reais[1:])):
            erros.append(f"{nome} cards are not listed strongest first")
    for k, (res, c) in enumerate(r.res, start=1):
        sem_carta = k > t or (k == t and s == 1)
        if sem_carta and (res, c) != ("?", "?"):
            erros.append(f"trick {k} has no card down yet: R{k} and C{k} must be '?'")
        if not sem_carta and "?" in (res, c):
            erros.append(f"trick {k} has cards down: R{k} and C{k} cannot be '?'")
        if res == "E" and c in MANILHAS:
            erros.append(f"trick {k} cannot be tied by a manilha")
    if s == 2 and r.res[t - 1][0] not in ("M", "*"):
        erros.append(f"seat 2 sees only the leading opponent's card: R{t} must be M")
    if r.a > 4 - t:
        erros.append(f"action {r.a} names a card not held in trick {t}")
    if r.e == "E" and t == 1:
        erros.append("cards cannot be covered in trick 1")
    if r.e == "E" and r.a == 0:
        erros.append("a covered card needs a chosen card")
    if not erros and not _existe_situacao(r):
        erros.append("no real situation fits this rule")
    return erros


def erros_do_conjunto(regras, invalidas=()):
    """Returns (index, message) for duplicates and for rules earlier ones always pre-empt."""
    erros = []
    vistos = {}
    for i, r in enumerate(regras):
        ident = (r.t, r.s, r.chave(), r.a, r.e, r.x)
        if ident in vistos:
            erros.append((i, f"duplicate of rule {vistos[ident] + 1}"))
            continue
        vistos[ident] = i
        if i in invalidas:
            continue
        antes = [q for q in regras[:i] if (q.t, q.s) == (r.t, r.s)]
        if not any(not any(_fica_com(q, chave) for q in antes) for chave in situacoes(r)):
            erros.append((i, "never used: earlier rules fit every situation it fits"))
    return erros


def verifica(regras):
    """Returns readable messages, one per fault, each naming the rule."""
    mensagens = []
    invalidas = set()
    for i, r in enumerate(regras):
        for erro in erros_da_regra(r):
            invalidas.add(i)
            mensagens.append(f"rule {i + 1} [{r.secao}] {r.linha()}: {erro}")
    for i, erro in erros_do_conjunto(regras, invalidas):
        r = regras[i]
        mensagens.append(f"rule {i + 1} [{r.secao}] {r.linha()}: {erro}")
    return mensagens


# ---------------------------------------------------------------------------
# Reading a rule file back

RE_REGRA = re.compile(
    r"=,  ([1-9][0-9]*),([1-9][0-9]*),  1,\*, ([^,]),([^,]), ([^,]),([^,]), ([^,]),([^,]),  "
    r"([^,]),([^,]),([^,]),  ([^,]),([^,]),([^,]),  ([0-9]),([^,]),([^,]),   ([1-9][0-9]*)")


def le_arquivo(bruto):
    """Parses the bytes of a rule file; returns (sections, rules, problems)."""
    problemas = []
    try:
        texto = bruto.decode("ascii")
    except UnicodeDecodeError as erro:
        return [], [], [f"byte {erro.start} is not ASCII"]
    linhas = texto.split("\n")
    ultima_aberta = linhas[-1] != ""
    if ultima_aberta:
        problemas.append(f"line {len(linhas)}: the file does not end with CR LF")
    else:
        linhas.pop()
    regras, secoes, secao = [], [], ""
    for n, linha in enumerate(linhas, start=1):
        if linha.endswith("\r"):
            linha = linha[:-1]
        elif not (ultima_aberta and n == len(linhas)):
            problemas.append(f"line {n}: ends with LF alone, not CR LF")
        if "\r" in linha:
            problemas.append(f"line {n}: a CR inside the line")
            continue
        if n == 1:
            if linha != TITULO:
                problemas.append(f"line 1 must be exactly '{TITULO}'")
            continue
        if n == 2:
            if linha != SEPARADOR:
                problemas.append(f"line 2 must be exactly '{SEPARADOR}'")
            continue
        if linha.startswith("#, "):
            secao = linha[3:]
            secoes.append(secao)
            continue
        m = RE_REGRA.fullmatch(linha)
        if not m:
            problemas.append(f"line {n}: not a comment or a rule in the expected layout: {linha!r}")
            continue
        g = m.groups()
        r = Regra(int(g[0]), int(g[1]), [(g[2], g[3]), (g[4], g[5]), (g[6], g[7])],
                  "".join(g[8:11]), "".join(g[11:14]), int(g[14]), g[15], g[16], int(g[17]),
                  f"line {n}, {secao}")
        regras.append(r)
    return secoes, regras, problemas


# ---------------------------------------------------------------------------
# The rules

class Secao:
    def __init__(self, titulo):
        self.titulo = titulo
        self.regras = []

    def add(self, t, s, a, **campos):
        r = regra(t, s, a, **campos)
        r.secao = self.titulo
        self.regras.append(r)


def menor_que_mata(lider, n):
    """Own-hand patterns and actions that play the weakest card surely beating lider.

    Listed from the last position up: a hand fits the first pattern whose card beats the
    leader, and every card after it in the hand then does not.
    """
    saida = []
    for k in range(n, 0, -1):
        for b in reversed(acima(lider)):
            if b in MANILHAS and MANILHAS.index(b) < k - 1:
                continue    # not enough stronger manilhas exist to sit above it
            if b in MANILHAS and k == 3:
                continue    # three manilhas are always handled before
            if k == 2 and b == "C":
                continue    # zap and copas together are handled before
            padrao = "*" * (k - 1) + b + "*" * (n - k)
            saida.append((padrao, k))
    return saida


def primeira_rodada():
    secoes = []
    t = 1

    s = 1
    sec = Secao("Primeira rodada, mao: tres manilhas ou zap e copas")
    # The two best cards take two tricks on their own, so open with the lowest.
    for j in ("ZC*", "ZEO", "CEO"):
        sec.add(t, s, 3, x="T", w=CERTEZA, j=j)
    secoes.append(sec)

    sec = Secao("Primeira rodada, mao: duas manilhas")
    for par in ("ZE", "ZO", "CE", "CO", "EO"):
        peso = FORTE if "Z" in par else BOA
        # A good third card may take trick 1 alone and hides both manilhas;
        # with a poor one the lower manilha goes for the first trick.
        for terceira in "32":
            sec.add(t, s, 3, x="T", w=peso, j=par + terceira)
        sec.add(t, s, 2, x="T", w=peso, j=par + "*")
    secoes.append(sec)

    sec = Secao("Primeira rodada, mao: uma manilha")
    for m in MANILHAS:
        for segunda in "32":
            # The 3 or 2 fights for trick 1 while the manilha waits for the decider.
            sec.add(t, s, 2, x="T" if m in "ZC" else "-", w=NORMAL, j=m + segunda + "*")
        for segunda in "AMP":
            # The zap is a sure trick later, so it waits and the partner tries trick 1;
            # a lesser manilha is worth most taking the first trick.
            sec.add(t, s, 3 if m == "Z" else 1, w=FRACA, j=m + segunda + "*")
    secoes.append(sec)

    sec = Secao("Primeira rodada, mao: sem manilha")
    # A 3 opens well on its own; poorer hands are left to the analysis.
    for segunda in "32AMP":
        sec.add(t, s, 1, w=ABRE, j="3" + segunda + "*")
    secoes.append(sec)

    s = 2
    sec = Secao("Primeira rodada, segunda: a mao ja esta ganha")
    for j in ("ZC*", "ZEO", "CEO"):
        sec.add(t, s, 3, x="T", w=CERTEZA, r1="M*", j=j)
    # With the zap gone, copas and espadas are the two best cards left.
    sec.add(t, s, 3, x="T", w=CERTEZA, r1="MZ", j="CE*")
    sec.add(t, s, 3, x="T", w=CERTEZA, r1="M*", p="Z**", j="C**")
    secoes.append(sec)

    sec = Secao("Primeira rodada, segunda: parceiro no pe com o zap")
    # The partner plays last and takes trick 1 for sure: keep every good card.
    sec.add(t, s, 3, w=NORMAL, r1="M*", p="Z**")
    secoes.append(sec)

    sec = Secao("Primeira rodada, segunda: abertura que nao se mata")
    sec.add(t, s, 3, w=BOA, r1="MZ")
    for lider in "CEO32AM":
        for j1 in abaixo(lider):
            sec.add(t, s, 3, w=NORMAL, r1="M" + lider, j=j1 + "**")
    secoes.append(sec)

    sec = Secao("Primeira rodada, segunda: matar o 3 de abertura")
    for par in ("ZE", "ZO", "CE", "CO", "EO"):
        # The lower manilha beats the 3; the other waits for the deciding trick.
        sec.add(t, s, 2, x="T", w=FORTE, r1="M3", j=par + "*")
    for m in MANILHAS:
        sec.add(t, s, 1, w=NORMAL, r1="M3", j=m + "**")
    secoes.append(sec)

    s = 3
    sec = Secao("Primeira rodada, antepe: parceiro ganhando com manilha")
    # The partner's card holds, so the weakest goes; a sure hand also calls.
    sec.add(t, s, 3, x="T", w=CERTEZA, r1="BZ", j="C**")
    sec.add(t, s, 3, w=BOA, r1="BZ")
    sec.add(t, s, 3, x="T", w=CERTEZA, r1="BC", j="Z**")
    sec.add(t, s, 3, w=NORMAL, r1="BC")
    sec.add(t, s, 3, x="T", w=CERTEZA, r1="BE", j="ZC*")
    secoes.append(sec)

    sec = Secao("Primeira rodada, antepe: adversario ganhando")
    for j in ("ZC*", "ZEO", "CEO"):
        sec.add(t, s, 3, x="T", w=CERTEZA, r1="M*", j=j)
    sec.add(t, s, 3, x="T", w=CERTEZA, r1="MZ", j="CE*")
    sec.add(t, s, 3, w=BOA, r1="MZ")
    for lider in "CE":
        for j1 in abaixo(lider):
            # Nothing of ours beats it: the last opponent need not even try.
            sec.add(t, s, 3, w=NORMAL, r1="M" + lider, j=j1 + "**")
    secoes.append(sec)

    s = 4
    sec = Secao("Primeira rodada, pe: parceiro ganhando")
    # Trick 1 is ours already: the weakest card goes and the rest waits.
    sec.add(t, s, 3, x="T", w=CERTEZA, r1="B*", j="Z**")
    sec.add(t, s, 3, x="T", w=CERTEZA, r1="B*", p="Z*")
    sec.add(t, s, 3, x="T", w=CERTEZA, r1="BZ", j="C**")
    sec.add(t, s, 3, x="T", w=CERTEZA, r1="BZ", p="C*")
    sec.add(t, s, 3, x="T", w=FORTE, r1="B*", j="C**")
    sec.add(t, s, 3, x="T", w=FORTE, r1="B*", p="C*")
    sec.add(t, s, 3, w=NORMAL, r1="B*")
    secoes.append(sec)

    sec = Secao("Primeira rodada, pe: a mao ja esta ganha")
    for j in ("ZC*", "ZEO", "CEO"):
        sec.add(t, s, 3, x="T", w=CERTEZA, r1="M*", j=j)
    sec.add(t, s, 3, x="T", w=CERTEZA, r1="MZ", j="CE*")
    sec.add(t, s, 3, w=BOA, r1="MZ")
    secoes.append(sec)

    sec = Secao("Primeira rodada, pe: a menor carta que mata")
    for lider in "CEO32AMP":
        for padrao, a in menor_que_mata(lider, 3):
            sec.add(t, s, a, w=BOA, r1="M" + lider, j=padrao)
        if lider in "32A":
            # Nothing beats it but an equal card ties, and then trick 2 decides.
            sec.add(t, s, 1, w=NORMAL, r1="M" + lider, j=lider + "**")
        if lider in "CEO32A":
            sec.add(t, s, 3, w=NORMAL, r1="M" + lider)
        elif lider == "M":
            sec.add(t, s, 3, w=NORMAL, r1="MM", j="P**")
    secoes.append(sec)
    return secoes


def segunda_rodada():
    secoes = []
    t = 2

    s = 1
    sec = Secao("Segunda rodada, mao: fez a primeira")
    # Trick 3 is ours with the zap on our side, so the other card goes covered.
    sec.add(t, s, 2, e="E", x="T", w=CERTEZA, r1="B*", j="Z*")
    sec.add(t, s, 2, e="E", x="T", w=CERTEZA, r1="B*", p="Z*")
    sec.add(t, s, 2, e="E", x="T", w=CERTEZA, r1="BZ", j="C*")
    # Espadas loses only to the zap, and then copas is the best card left.
    sec.add(t, s, 2, x="T", w=CERTEZA, r1="B*", j="CE")
    sec.add(t, s, 2, x="T", w=FORTE, r1="B*", j="CO")
    sec.add(t, s, 2, x="T", w=BOA, r1="B*", j="EO")
    for m in "CEO":
        for segunda in "32AMP":
            # A 3 or 2 face up makes them spend a manilha; a poor card is better hidden.
            sec.add(t, s, 2, e="-" if segunda in "32" else "E",
                    x="T" if m in "CE" else "-", w={"C": FORTE, "E": BOA, "O": NORMAL}[m],
                    r1="B*", j=m + segunda)
    for j1 in "32":
        # Without a manilha the best chance to close the hand is now.
        sec.add(t, s, 1, w=FRACA, r1="B*", j=j1 + "*")
    secoes.append(sec)

    sec = Secao("Segunda rodada, mao: primeira empatada")
    # Trick 2 decides the hand: the strongest card goes.
    sec.add(t, s, 1, x="T", w=CERTEZA, r1="E*", j="Z*")
    sec.add(t, s, 1, x="T", w=CERTEZA, r1="E*", p="Z*")
    sec.add(t, s, 1, x="T", w=FORTE, r1="E*", j="C*")
    for j1 in "EO32":
        sec.add(t, s, 1, w=FRACA, r1="E*", j=j1 + "*")
    secoes.append(sec)

    s = 2
    sec = Secao("Segunda rodada, segunda: perdeu a primeira")
    # Copas takes trick 2 when we hold the zap, and the zap takes trick 3.
    sec.add(t, s, 2, x="T", w=CERTEZA, r1="M*", r2="M*", j="ZC")
    # Nobody beats the zap: trick 2 and the hand are gone.
    sec.add(t, s, 2, e="E", w=PERDIDA, r1="M*", r2="MZ")
    for lider in "CEO3":
        perdem = abaixo(lider) + ("3" if lider == "3" else "")
        for j1 in perdem:
            # Only the partner at the foot can still take it; a tie would not do.
            sec.add(t, s, 2, e="E", w=NORMAL, r1="M*", r2="M" + lider, j=j1 + "*")
    secoes.append(sec)

    sec = Secao("Segunda rodada, segunda: primeira empatada")
    sec.add(t, s, 2, e="E", w=PERDIDA, r1="E*", r2="MZ")
    sec.add(t, s, 1, x="T", w=CERTEZA, r1="E*", r2="M*", j="Z*")
    sec.add(t, s, 1, x="T", w=CERTEZA, r1="E*", r2="M*", p="Z*")
    sec.add(t, s, 1, x="T", w=FORTE, r1="E*", r2="M*", j="C*")
    secoes.append(sec)

    s = 3
    sec = Secao("Segunda rodada, antepe: fez a primeira")
    sec.add(t, s, 2, e="E", x="T", w=CERTEZA, r1="B*", r2="BZ")
    sec.add(t, s, 2, e="E", x="T", w=CERTEZA, r1="B*", j="Z*")
    sec.add(t, s, 2, e="E", x="T", w=CERTEZA, r1="B*", p="Z")
    sec.add(t, s, 2, e="E", x="T", w=CERTEZA, r1="BZ", j="C*")
    # Espadas wins now unless the zap shows, and then copas takes trick 3.
    sec.add(t, s, 2, x="T", w=CERTEZA, r1="B*", j="CE")
    secoes.append(sec)

    sec = Secao("Segunda rodada, antepe: primeira empatada")
    sec.add(t, s, 2, e="E", x="T", w=CERTEZA, r1="E*", r2="BZ")
    sec.add(t, s, 2, e="E", w=PERDIDA, r1="E*", r2="MZ")
    sec.add(t, s, 1, x="T", w=CERTEZA, r1="E*", j="Z*")
    secoes.append(sec)

    s = 4
    sec = Secao("Segunda rodada, pe: parceiro ganhando")
    # After a tied first, taking trick 2 ends the hand.
    sec.add(t, s, 2, e="E", x="T", w=CERTEZA, r1="E*", r2="B*")
    # One trick each: the better card stays for trick 3.
    sec.add(t, s, 2, e="E", x="T", w=CERTEZA, r1="M*", r2="B*", j="Z*")
    sec.add(t, s, 2, e="E", x="T", w=CERTEZA, r1="M*", r2="B*", p="Z")
    for r1, r2 in (("MZ", "B*"), ("M*", "BZ")):
        # The zap is spent, so copas is the best card left.
        sec.add(t, s, 2, e="E", x="T", w=CERTEZA, r1=r1, r2=r2, j="C*")
        sec.add(t, s, 2, e="E", x="T", w=CERTEZA, r1=r1, r2=r2, p="C")
    sec.add(t, s, 2, e="E", w=NORMAL, r1="M*", r2="B*")
    secoes.append(sec)

    sec = Secao("Segunda rodada, pe: perdeu a primeira, a menor que mata")
    sec.add(t, s, 2, x="T", w=CERTEZA, r1="M*", r2="M*", j="ZC")
    sec.add(t, s, 2, e="E", w=PERDIDA, r1="M*", r2="MZ")
    for lider in "O32AMP":
        for b in acima(lider)[2:]:
            # The lesser card takes trick 2 and the zap takes trick 3.
            sec.add(t, s, 2, x="T", w=CERTEZA, r1="M*", r2="M" + lider, j="Z" + b)
    for lider in "CEO32AMP":
        for padrao, a in menor_que_mata(lider, 2):
            sec.add(t, s, a, w=BOA, r1="M*", r2="M" + lider, j=padrao)
        # Losing trick 2 now loses the hand, and a tie would too: hide the card.
        if lider in "CEO32A":
            sec.add(t, s, 2, e="E", w=PERDIDA, r1="M*", r2="M" + lider)
        elif lider == "M":
            sec.add(t, s, 2, e="E", w=PERDIDA, r1="M*", r2="MM", j="P*")
    secoes.append(sec)

    sec = Secao("Segunda rodada, pe: primeira empatada, a segunda decide")
    sec.add(t, s, 2, e="E", w=PERDIDA, r1="E*", r2="MZ")
    for lider in "CEO32AMP":
        for j1 in acima(lider):
            # We play last and beat it: the hand is ours.
            sec.add(t, s, 1, x="T", w=GANHA_FIM, r1="E*", r2="M" + lider, j=j1 + "*")
        if lider in "32A":
            # A tie again leaves it to trick 3.
            sec.add(t, s, 1, w=NORMAL, r1="E*", r2="M" + lider, j=lider + "*")
    secoes.append(sec)
    return secoes


def terceira_rodada():
    secoes = []
    t = 3

    sec = Secao("Terceira rodada: pe com a rodada do parceiro")
    # The hand is won whatever we play; a strong card is not shown for nothing.
    for j1 in ORDEM:
        sec.add(t, 4, 1, e="E" if j1 in "ZCEO3" else "-", x="T",
                w=ZAP_FIM if j1 == "Z" else GANHA_FIM, r3="B*", j=j1)
    secoes.append(sec)

    sec = Secao("Terceira rodada: zap na mao")
    for s in (1, 2, 3, 4):
        sec.add(t, s, 1, x="T", w=ZAP_FIM, r3="M*" if s == 2 else None, j="Z")
    secoes.append(sec)

    sec = Secao("Terceira rodada: copas depois do zap")
    # Once the zap has taken an earlier trick, copas is the best card left.
    for s in (1, 2, 3, 4):
        r3 = "M*" if s == 2 else None
        sec.add(t, s, 1, x="T", w=CERTEZA, r1="*Z", r3=r3, j="C")
        sec.add(t, s, 1, x="T", w=CERTEZA, r2="*Z", r3=r3, j="C")
    secoes.append(sec)

    sec = Secao("Terceira rodada: o parceiro garante")
    # The partner's zap is down and leading, or still in hand.
    sec.add(t, 3, 1, e="E", x="T", w=CERTEZA, r3="BZ")
    sec.add(t, 1, 1, x="T", w=CERTEZA, p="Z")
    sec.add(t, 2, 1, e="E", x="T", w=CERTEZA, r3="M*", p="Z")
    secoes.append(sec)

    sec = Secao("Terceira rodada: pe contra a rodada adversaria")
    s = 4
    sec.add(t, s, 1, e="E", w=PERDIDA, r3="MZ")
    for lider in "CEO32AMP":
        for j1 in acima(lider):
            if j1 != "Z":
                sec.add(t, s, 1, x="T", w=GANHA_FIM, r3="M" + lider, j=j1)
        if lider in "32A":
            # The foot's side took the first trick, and a tied last trick goes to it.
            sec.add(t, s, 1, x="T", w=GANHA_FIM, r1="B*", r3="M" + lider, j=lider)
        if lider in "CEO":
            # Only the zap or a higher manilha wins, and those were fitted above.
            sec.add(t, s, 1, e="E", w=PERDIDA, r3="M" + lider)
        else:
            for j1 in abaixo(lider):
                sec.add(t, s, 1, e="E", w=PERDIDA, r3="M" + lider, j=j1)
    secoes.append(sec)

    sec = Secao("Terceira rodada: pe com a rodada empatada")
    # A tie stands for the side that took the first trick, here ours.
    sec.add(t, s, 1, x="T", w=GANHA_FIM, r1="B*", r3="E*")
    secoes.append(sec)
    return secoes


def todas_as_secoes():
    secoes = primeira_rodada() + segunda_rodada() + terceira_rodada()
    return secoes


def texto_do_arquivo(secoes):
    linhas = [TITULO, SEPARADOR]
    for sec in secoes:
        linhas.append("#, " + sec.titulo)
        linhas.extend(r.linha() for r in sec.regras)
    return "".join(linha + "\r\n" for linha in linhas)


def falha(mensagens):
    for m in mensagens:
        print(f"gera-cerebro-fixo: {m}", file=sys.stderr)
    sys.exit(1)


def verificar_arquivo(caminho):
    try:
        with open(caminho, "rb") as f:
            bruto = f.read()
    except OSError as erro:
        falha([f"cannot read {caminho}: {erro.strerror}"])
    _, regras, problemas = le_arquivo(bruto)
    problemas += verifica(regras)
    if problemas:
        falha([f"{caminho}: {p}" for p in problemas])
    print(f"{caminho}: {len(regras)} rules, all checks passed")


def gerar(caminho):
    secoes = todas_as_secoes()
    regras = [r for sec in secoes for r in sec.regras]
    problemas = verifica(regras)
    if problemas:
        falha(problemas + ["nothing written"])
    texto = texto_do_arquivo(secoes)
    bruto = texto.encode("ascii")
    # What will be on disk must read back to the very same rules.
    _, lidas, problemas = le_arquivo(bruto)
    if problemas or [r.linha() for r in lidas] != [r.linha() for r in regras]:
        falha(problemas + ["the written text does not read back to the same rules",
                           "nothing written"])
    pasta = os.path.dirname(os.path.abspath(caminho))
    if not os.path.isdir(pasta):
        falha([f"folder {pasta} does not exist; nothing written"])
    try:
        fd, temporario = tempfile.mkstemp(dir=pasta, prefix=".P-BRAIN.")
        with os.fdopen(fd, "wb") as f:
            f.write(bruto)
        os.replace(temporario, caminho)
    except OSError as erro:
        falha([f"cannot write {caminho}: {erro.strerror}"])
    print(f"{caminho}: {len(regras)} rules in {len(secoes)} sections")


def main(argv):
    if len(argv) >= 1 and argv[0] in ("-h", "--help"):
        print(__doc__.strip())
        return
    if len(argv) == 2 and argv[0] == "--verificar":
        verificar_arquivo(argv[1])
        return
    if len(argv) > 1 or (argv and argv[0].startswith("-")):
        falha(["usage: gera-cerebro-fixo.py [OUTPUT] | --verificar FILE"])
    if argv:
        caminho = argv[0]
    else:
        raiz = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
        caminho = os.path.join(raiz, SAIDA_PADRAO)
    gerar(caminho)


if __name__ == "__main__":
    main(sys.argv[1:])
