#!/usr/bin/env python3
"""Independent re-computation of a sized case, written from the engine's rules
(the start simulation of both methods, the setting search, the reference
current and the catalogue walk) to check the figures pelgo-size reports.

    pelgo-size --json CASE.json > out.json
    python3 hand_check.py out.json DATA_FOLDER/XML
"""
import json
import math
import sys
import xml.etree.ElementTree as ET
from decimal import ROUND_HALF_EVEN, ROUND_HALF_UP, Decimal


def half_even(x, d=0):
    return float(Decimal(repr(x)).quantize(Decimal(1).scaleb(-d), ROUND_HALF_EVEN))


def half_away(x, d=0):
    return float(Decimal(repr(x)).quantize(Decimal(1).scaleb(-d), ROUND_HALF_UP))


def first(root, name):
    return root if root.tag == name else root.find(".//" + name)


def k3(t):
    if 40 <= t <= 60: return 3.5 - 0.025 * t
    if t >= 30: return 4.5 - 0.05 * t
    if t >= 5: return 4.2 - 0.04 * t
    return 5.25 - 0.25 * t


def k4(t):
    if 26 <= t <= 40: return 3.42848 - 0.035712 * t
    if t >= 20: return 4.6666666 - 0.0833333 * t
    if t >= 3.5: return 4.212121 - 0.060606 * t
    return 5.16666666 - 0.3333333 * t


def reference(r, ramp, t, irms, fat, previous):
    In, interval = r["CorrenteNominal"], r["IntervaloParttidaSeg"]
    C = [float(x) for x in r["C"].replace(",", ".").split("|")]
    CCn = [float(x) for x in r["CCn"].replace(",", ".").split("|")]
    N = r["PartidasHora"]
    P = interval if interval >= t else t + interval
    trun = r["FatorUtilizacao"] / 100 * P - t
    lf = C[10] / 100 if C[10] / 100 >= 0.9 else 0.9
    irun = lf * r["ByPass"] * r["FatorServico"] / r["LigacaoMotor"]
    idev = irms / r["LigacaoMotor"]
    icyc = math.sqrt((irun ** 2 * trun + idev ** 2 * t) / P)
    a3 = a4 = a5 = 0
    if In >= 90:
        a3 = k3(t)
    else:
        if ramp and C[0] / 100 / CCn[0] <= 0.2 and interval >= 900 and 0 < t <= 12:
            a5 = 5.1 - 0.2 * t
        a4 = k4(t)
    if a3: number, R = 3, idev * In / ((1.322222 - 0.032222 * N) * a3)
    elif a5: number, R = 5, idev * In / a5
    elif a4: number, R = 4, idev * In / ((1.222222 - 0.022222 * N) * a4)
    else: return previous
    if icyc * In > R: R = icyc * In
    if number != 5 or fat > 0: R = R / fat
    if idev * In > 4.5 * R: R = idev * In / 4.5
    return R, number


def simulate(r, ramp, setting, fat):
    """One pass: None when it needs a higher setting, else (t, irms, lists)."""
    CCn = [float(x) for x in r["CCn"].replace(",", ".").split("|")]
    IIn = [float(x) for x in r["IIn"].replace(",", ".").split("|")]
    C = [float(x) for x in r["C"].replace(",", ".").split("|")]
    nr = (120 * r["Frequencia"]) * 0.97 / r["Polaridade"]
    t = s = 0
    for n in range(10):
        u = setting + (1 - setting) * (10 * n) / 100 if ramp else min(1, setting / IIn[n])
        tm = CCn[n] * r["QuedaTensao"]
        cn, cx = C[n] / 100, max(C[n] / 100, C[n + 1] / 100)
        if cn > tm: raise RuntimeError("load above motor torque")
        ta = (u * u * tm - (cn + cx) / 2) * r["ConjugadoNominalMotor"]
        if ta <= 0: return None
        i = IIn[n] * u if ramp else (setting if IIn[n] >= setting else IIn[n])
        dt = (r["MomentoInercia"] + r["InerciaCargaEixoMotor"]) / ta * (nr / 10 * 6.283 / 60)
        t += dt
        s += i * i * dt
    irms = math.sqrt(s / t)
    tperm = min((IIn[0] / irms) ** 2 * r["TempoRotorBloqueado"], 75 if r["CorrenteNominal"] > 120 else 50)
    if 0.8 * tperm < t: return None
    return t, irms


def search(r, ramp, fat):
    x = 0.25 if ramp else 2.0
    best, t1, final, number, minimum = 0, 0, False, 0, None
    while True:
        p = simulate(r, ramp, x, fat)
        if p is None:
            x = round(x + 0.01, 10)
            continue
        t, irms = half_away(p[0], 2), p[1]
        if minimum is None: minimum = half_away(x * 100)
        result = (half_away(x * 100), t, half_away(irms * r["CorrenteNominal"], 2))
        R, number = reference(r, ramp, t, irms, fat, (best, number))
        if final: return best, number, result, minimum
        if best == 0:
            best, t1 = R, t
        elif t > 0.4 * t1 and best > R:
            best = R
        else:
            final = True
            x = round(x - 0.01, 10)
            continue
        x = round(x + 0.01, 10)
        if ramp and x > 1: return best, number, result, minimum


def model(tarvo, r, number, best):
    if r["LigacaoMotor"] == 1 and number == 3 and best < 78:
        number, best = 4, best * 1.08
    vc = first(tarvo, "vltc%d" % r["TensaoComando"])
    while True:
        fam = first(vc, "nr%d" % number)
        sv = None if fam is None else first(fam, "vlta%d" % r["TensaoRedeTrifasica"])
        for m in ([] if sv is None else list(sv)):
            if float(m.tag[3:]) >= best:
                return m.get("ds_modelo")
        if number in (4, 5): number = 3
        else: return None


def main():
    out = json.load(open(sys.argv[1]))
    r, res = out["record"], out["results"]
    folder = sys.argv[2]
    alt = ET.parse(folder + "/Altitude_Temperatura.xml").getroot()
    fat = float(first(first(alt, "vl%d" % r["Altitudem"]), "vl%d" % r["TemperaturaC"]).get("vl_temp_alt"))
    tarvo = ET.parse(folder + "/Tarvo.xml").getroot()
    ok = True
    for key, ramp in (("voltage_ramp", True), ("current_limit", False)):
        best, number, (setting, t, rms), minimum = search(r, ramp, fat)
        mine = (setting, t, rms, model(tarvo, r, number, best))
        got = res[key]
        theirs = (got["setting_percent"], got["time_s"], got["rms_current_a"], got["model"])
        print(key, "hand:", mine, "pelgo-size:", theirs, "minimum:", minimum)
        ok &= mine == theirs
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
