#!/usr/bin/env python3
"""Writes the data files of steps 4 and 5 (load types and installation lists)
and their texts.

    load_data.py DATA_DIR          writes DATA_DIR/XML/<file>.xml and DATA_DIR/texts/load.xml
    load_data.py --check DATA_DIR  writes nothing; exit 1 when a file differs

Load-torque curves are percentages of the motor's rated torque at 0, 10, ...,
100 % of speed; the band a user may edit within is the curve +/- a margin
(never below 0). Every attribute read under the regional number rules is
written as a whole number so it reads the same under every regional setting.
Altitude and temperature lists are parallel: entry i of the ft and F lists
converts back (ft x 0.3048, (F - 32) x 5 / 9, rounded) to entry i of the m
and C lists; the script checks this.
"""
import math
import sys
from pathlib import Path
from xml.sax.saxutils import quoteattr

LANGUAGES = ("POR", "ENG", "ESP")

# Load types in list order: code and names (POR, ENG, ESP). The screen
# proposes the second one.
LOADS = [
    (1, ('Bomba centrífuga – válvula fechada', 'Centrifugal pump – valve closed', 'Bomba centrífuga – válvula cerrada')),
    (2, ('Bomba centrífuga – válvula aberta', 'Centrifugal pump – valve open', 'Bomba centrífuga – válvula abierta')),
    (3, ('Bomba de deslocamento positivo', 'Positive displacement pump', 'Bomba de desplazamiento positivo')),
    (4, ('Ventilador centrífugo – damper fechado', 'Centrifugal fan – damper closed', 'Ventilador centrífugo – compuerta cerrada')),
    (5, ('Ventilador centrífugo – damper aberto', 'Centrifugal fan – damper open', 'Ventilador centrífugo – compuerta abierta')),
    (6, ('Compressor de parafuso – sem carga', 'Screw compressor – unloaded', 'Compresor de tornillo – sin carga')),
    (7, ('Compressor alternativo – sem carga', 'Reciprocating compressor – unloaded', 'Compresor alternativo – sin carga')),
    (8, ('Correia transportadora – carregada', 'Belt conveyor – loaded', 'Cinta transportadora – cargada')),
    (9, ('Britador – partida em vazio', 'Crusher – starting empty', 'Trituradora – arranque en vacío')),
    (10, ('Moinho de bolas', 'Ball mill', 'Molino de bolas')),
    (11, ('Misturador / agitador', 'Mixer / agitator', 'Mezclador / agitador')),
    (12, ('Talha / elevador – carregado', 'Hoist / lift – loaded', 'Polipasto / elevador – cargado')),
    (13, ('Prensa excêntrica com volante', 'Eccentric press with flywheel', 'Prensa excéntrica con volante')),
    (24, ('Centrífuga', 'Centrifuge', 'Centrífuga')),
]

# code: curve C0..C100, band, inertia default/min/max (multiples of the motor
# inertia), default starts per hour, remarks (POR, ENG, ESP)
DETAILS = {
    1: ([30, 6, 7, 10, 13, 18, 23, 29, 37, 46, 55], 10, (2, 0.5, 5), 6,
        ('Partida com a válvula de recalque fechada: o conjugado resistente fica em torno de metade do nominal e a partida é suave. Abra a válvula só após o fim da partida.',
         'Start against a closed discharge valve: the load torque stays near half of rated torque and the start is easy. Open the valve only once the start is over.',
         'Arranque con la válvula de descarga cerrada: el par resistente queda cerca de la mitad del nominal y el arranque es suave. Abra la válvula solo al terminar el arranque.')),
    2: ([30, 6, 9, 14, 20, 29, 39, 52, 66, 82, 100], 10, (2, 0.5, 5), 6,
        ('Conjugado quadrático com a velocidade. Na parada, prefira a desaceleração controlada para evitar o golpe de aríete.',
         'Torque rises with the square of speed. When stopping, prefer a controlled deceleration to avoid water hammer.',
         'Par cuadrático con la velocidad. En la parada, prefiera la desaceleración controlada para evitar el golpe de ariete.')),
    3: ([130, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100], 20, (1.5, 0.5, 4), 6,
        ('Bombas de parafuso, engrenagens ou pistão exigem conjugado constante desde a partida. Verifique se há alívio de pressão na partida.',
         'Screw, gear and piston pumps need constant torque from standstill. Check whether the discharge pressure is relieved at start.',
         'Las bombas de tornillo, engranajes o pistón exigen par constante desde el reposo. Verifique si hay alivio de presión en el arranque.')),
    4: ([25, 3, 4, 6, 9, 12, 16, 21, 27, 33, 40], 10, (15, 3, 60), 2,
        ('Partir com o damper fechado reduz o conjugado, mas a grande inércia do rotor do ventilador ainda alonga a partida. Confira a inércia na placa do ventilador.',
         "Starting with the damper closed lowers the torque, but the large inertia of the fan wheel still makes the start long. Check the inertia on the fan's nameplate.",
         'Arrancar con la compuerta cerrada reduce el par, pero la gran inercia del rodete aún alarga el arranque. Confirme la inercia en la placa del ventilador.')),
    5: ([25, 4, 7, 12, 19, 27, 38, 51, 65, 82, 100], 10, (15, 3, 60), 2,
        ('Conjugado quadrático e inércia elevada: partida longa. Prefira a limitação de corrente e poucas partidas por hora.',
         'Quadratic torque and high inertia: a long start. Prefer current limitation and few starts per hour.',
         'Par cuadrático e inercia elevada: arranque largo. Prefiera la limitación de corriente y pocos arranques por hora.')),
    6: ([30, 15, 16, 17, 19, 21, 24, 27, 31, 35, 40], 10, (3, 1, 8), 10,
        ("Partida com a válvula de admissão fechada (em alívio). Com carga o conjugado final chega a 100 % e a partida deve ser revista.",
         "Start with the inlet valve closed (unloaded). Starting loaded brings the final torque up to 100 % and the start must be checked again.",
         "Arranque con la válvula de admisión cerrada (en alivio). Con carga el par final llega al 100 % y el arranque debe revisarse.")),
    7: ([100, 60, 50, 50, 50, 50, 50, 50, 50, 50, 50], 25, (5, 2, 15), 6,
        ("O conjugado pulsa a cada ciclo do pistão; o valor de partida cobre o atrito estático do virabrequim. Um volante aumenta a inércia.",
         "Torque pulses with each piston stroke; the breakaway value covers the static friction of the crankshaft. A flywheel adds inertia.",
         "El par pulsa en cada carrera del pistón; el valor de arranque cubre la fricción estática del cigüeñal. Un volante aumenta la inercia.")),
    8: ([150, 120, 100, 100, 100, 100, 100, 100, 100, 100, 100], 20, (3, 1, 10), 4,
        ("Conjugado constante com alto atrito de partida. Uma rampa suave evita o escorregamento da correia e o derramamento do material.",
         "Constant torque with high breakaway friction. A smooth ramp avoids belt slip and spilling the material.",
         "Par constante con alta fricción de arranque. Una rampa suave evita el deslizamiento de la cinta y el derrame del material.")),
    9: ([50, 40, 40, 40, 40, 40, 40, 40, 40, 40, 40], 20, (15, 5, 50), 2,
        ("Partir sempre vazio. O volante e o rotor dão inércia elevada; a partida é longa mesmo com conjugado baixo.",
         "Always start empty. The flywheel and rotor give high inertia; the start is long even with low torque.",
         "Arranque siempre en vacío. El volante y el rotor dan inercia elevada; el arranque es largo aun con par bajo.")),
    10: ([160, 120, 100, 100, 100, 100, 100, 100, 100, 100, 100], 20, (20, 5, 60), 1,
         ("Partida pesada: conjugado de partida alto com a carga de bolas e inércia muito elevada. Confirme a capacidade térmica do motor.",
          "Heavy start: high breakaway torque with the ball charge and very high inertia. Confirm the motor's thermal capacity.",
          "Arranque pesado: par de arranque alto con la carga de bolas e inercia muy elevada. Confirme la capacidad térmica del motor.")),
    11: ([150, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100], 20, (5, 1, 15), 4,
         ("Para líquidos o conjugado cai com a viscosidade; para lamas, use estes valores. O produto decantado eleva o conjugado de partida.",
          "For liquids the torque falls with viscosity; for slurries use these values. Settled product raises the breakaway torque.",
          "Para líquidos el par baja con la viscosidad; para lodos use estos valores. El producto decantado eleva el par de arranque.")),
    12: ([130, 110, 100, 100, 100, 100, 100, 100, 100, 100, 100], 20, (1.5, 1, 3), 10,
         ("Conjugado constante com a carga suspensa; a limitação de corrente não deve deixar o conjugado cair abaixo da carga. Verifique o freio.",
          "Constant torque with the load hanging; current limitation must not let the torque fall below the load. Check the brake.",
          "Par constante con la carga suspendida; la limitación de corriente no debe dejar caer el par por debajo de la carga. Verifique el freno.")),
    13: ([30, 20, 20, 20, 20, 20, 20, 20, 20, 20, 20], 10, (10, 3, 40), 4,
         ("Partir com a embreagem desacoplada: só o atrito do volante. A inércia do volante domina o tempo de partida.",
          "Start with the clutch disengaged: only the flywheel friction remains. The flywheel inertia dominates the starting time.",
          "Arranque con el embrague desacoplado: solo queda la fricción del volante. La inercia del volante domina el tiempo de arranque.")),
    24: ([25, 10, 11, 12, 14, 16, 19, 22, 26, 30, 35], 10, (50, 10, 200), 2,
         ("Inércia muito elevada e conjugado baixo: partida muito longa. Para motores até 30 kW o programa propõe 10 vezes a inércia do motor; informe o valor real.",
          "Very high inertia and low torque: a very long start. For motors up to 30 kW the program proposes 10 times the motor inertia; enter the actual value.",
          "Inercia muy elevada y par bajo: arranque muy largo. Para motores hasta 30 kW el programa propone 10 veces la inercia del motor; indique el valor real.")),
}

# 30 is the most the device ratings cover: their duty factors turn negative from about 40 starts an hour.
STARTS_PER_HOUR = [1, 2, 3, 4, 5, 6, 10, 12, 15, 20, 30]
INTERVAL_UNITS = [("min", 60), ("s", 1)]
INERTIA_UNITS = {"POR": "× Jmotor", "ENG": "× Jmotor", "ESP": "× Jmotor"}

ALTITUDES_M = [1000, 1500, 2000, 2500, 3000, 3500, 4000]
TEMPERATURES_C = [10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60]
VOLTAGE_DROPS = [0, 5, 10, 15, 20, 25]
COMMAND_VOLTAGES = [110, 220]
CONNECTIONS = [("Standard", "1"), ("Delta_Interno", f"{math.sqrt(3):.3f}")]


# Texts of steps 4 and 5: section -> tag -> (POR, ENG, ESP).
TEXTS = {
    "ETAPA4": {
        "TDADOSAPLICACAO": ("Dados da aplicação", "Application data", "Datos de la aplicación"),
        "TTIPOCARGA": ("Tipo de carga", "Load type", "Tipo de carga"),
        "TREFERENCIAPLICACAO": ("Referência da aplicação", "Application reference", "Referencia de la aplicación"),
        "TINERCIACARGA": ("Inércia da carga (no eixo do motor)", "Load inertia (at the motor shaft)",
                          "Inercia de la carga (en el eje del motor)"),
        "TNUMEROPARTIDASHORA": ("Número de partidas por hora", "Starts per hour", "Número de arranques por hora"),
        "TINTERVALOENTREPARTIDAS": ("Intervalo entre partidas", "Interval between starts", "Intervalo entre arranques"),
        "TFATORUTILIZACAO": ("Fator de utilização", "Duty factor", "Factor de utilización"),
        "TEXTOETAPA4": ("Conjugado resistente da carga em % do conjugado nominal do motor, a cada 10 % da velocidade. "
                        "Os valores podem ser ajustados dentro da faixa aceitável do tipo de carga.",
                        "Load torque in % of the motor's rated torque, every 10 % of speed. "
                        "The values may be adjusted within the acceptable band of the load type.",
                        "Par resistente de la carga en % del par nominal del motor, cada 10 % de la velocidad. "
                        "Los valores pueden ajustarse dentro de la banda aceptable del tipo de carga."),
        "TMENSAGEM": ("Mensagem", "Message", "Mensaje"),
    },
    "IMPRESSAO_PELGO": {
        "GCONJUGADOCARGA": ("Conjugado da carga", "Load torque", "Par de la carga"),
    },
    "ETAPA5": {
        "DADOSGERAIS": ("Dados da instalação", "Installation data", "Datos de la instalación"),
        "CONDICOESAMBIENTE": ("Condições do ambiente", "Ambient conditions", "Condiciones ambientales"),
        "TALTITUDE": ("Altitude", "Altitude", "Altitud"),
        "TTEMPERATURAAMBIENTE": ("Temperatura ambiente", "Ambient temperature", "Temperatura ambiente"),
        "CARACTERISTICASSISTEMA": ("Características do sistema", "System characteristics", "Características del sistema"),
        "TTENSAOREDETRIFASICA": ("Tensão da rede trifásica", "Three-phase supply voltage", "Tensión de la red trifásica"),
        "TQUEDATENSAOPARTIDA": ("Queda de tensão admissível na partida", "Permitted voltage drop at start",
                                "Caída de tensión admisible en el arranque"),
        "TTENCAOCOMANDO": ("Tensão de comando", "Control voltage", "Tensión de mando"),
        "TLIGACAOMOTOR": ("Ligação do motor", "Motor connection", "Conexión del motor"),
        "TOMOTOR": ("O motor é ligado diretamente à rede (by-pass) após a partida?",
                    "Is the motor switched directly to the supply (by-pass) after the start?",
                    "¿El motor se conecta directamente a la red (by-pass) después del arranque?"),
        "TMENSAGEM": ("Mensagem", "Message", "Mensaje"),
        "STANDARD": ("Padrão (em linha)", "Standard (in line)", "Estándar (en línea)"),
        "DELTA_INTERNO": ("Dentro do delta (6 cabos)", "Inside delta (6 wires)", "Dentro del triángulo (6 cables)"),
    },
    "CONSISTEETAPA4": {
        "MP_INERCIACARGA": ("Informe a inércia da carga.", "Enter the load inertia.", "Indique la inercia de la carga."),
        "MN_INERCIACARGA": ("A inércia da carga deve ser um número.", "The load inertia must be a number.",
                            "La inercia de la carga debe ser un número."),
        "MF_INFERIORMINIMOACEITAVEL": (
            "A inércia da carga está abaixo do mínimo aceitável para este tipo de carga. Confira o valor e a unidade.",
            "The load inertia is below the least acceptable value for this load type. Check the value and its unit.",
            "La inercia de la carga está por debajo del mínimo aceptable para este tipo de carga. Verifique el valor y la unidad."),
        "MF_SUPERIORMAXIMOACEITAVEL": (
            "A inércia da carga está acima do máximo aceitável para este tipo de carga. Confira o valor e a unidade.",
            "The load inertia is above the greatest acceptable value for this load type. Check the value and its unit.",
            "La inercia de la carga está por encima del máximo aceptable para este tipo de carga. Verifique el valor y la unidad."),
        "MP_INTERVALOPARTIDA": ("Informe o intervalo entre partidas.", "Enter the interval between starts.",
                                "Indique el intervalo entre arranques."),
        "MN_INTERVALOPARTIDA": ("O intervalo entre partidas deve ser um número.", "The interval between starts must be a number.",
                                "El intervalo entre arranques debe ser un número."),
        "MI_NUMEROPARTIDA": (
            "O intervalo entre partidas não cabe no número de partidas por hora escolhido. Reduza o intervalo ou o número de partidas por hora.",
            "The interval between starts does not fit the chosen number of starts per hour. Shorten the interval or choose fewer starts per hour.",
            "El intervalo entre arranques no cabe en el número de arranques por hora elegido. Reduzca el intervalo o el número de arranques por hora."),
        "MP_FATORUTILIZACAO": ("Informe o fator de utilização.", "Enter the duty factor.", "Indique el factor de utilización."),
        "MN_FATORUTILIZACAO": ("O fator de utilização deve ser um número.", "The duty factor must be a number.",
                               "El factor de utilización debe ser un número."),
        "MF_MINIMOACEITAVEL40": ("O fator de utilização deve ser de no mínimo 40 %.", "The duty factor must be at least 40 %.",
                                 "El factor de utilización debe ser como mínimo 40 %."),
        "MF_MINIMOACEITAVEL100": ("O fator de utilização deve ser de no máximo 100 %.", "The duty factor must be at most 100 %.",
                                  "El factor de utilización debe ser como máximo 100 %."),
    },
    "CONSISTEETAPA5": {
        "MV_TENSAOSELECIONADA": (
            "A tensão da rede trifásica não pode ser menor que a tensão nominal do motor. Escolha outra tensão ou volte à etapa 1.",
            "The three-phase supply voltage cannot be lower than the motor's rated voltage. Choose another voltage or go back to step 1.",
            "La tensión de la red trifásica no puede ser menor que la tensión nominal del motor. Elija otra tensión o vuelva a la etapa 1."),
    },
}

# The eleven load-torque points share their messages, one set per speed.
CURVE_MESSAGES = {
    "MP_C{}": ("Informe o conjugado da carga a {} % da velocidade.", "Enter the load torque at {} % of speed.",
               "Indique el par de la carga al {} % de la velocidad."),
    "MN_C{}": ("O conjugado da carga a {} % da velocidade deve ser um número.",
               "The load torque at {} % of speed must be a number.",
               "El par de la carga al {} % de la velocidad debe ser un número."),
    "MF_C{}MINIMOACEITAVEL": (
        "O conjugado da carga a {} % da velocidade está abaixo do mínimo aceitável para este tipo de carga.",
        "The load torque at {} % of speed is below the least acceptable value for this load type.",
        "El par de la carga al {} % de la velocidad está por debajo del mínimo aceptable para este tipo de carga."),
    "MF_C{}MAXIMOACEITAVEL": (
        "O conjugado da carga a {} % da velocidade está acima do máximo aceitável para este tipo de carga.",
        "The load torque at {} % of speed is above the greatest acceptable value for this load type.",
        "El par de la carga al {} % de la velocidad está por encima del máximo aceptable para este tipo de carga."),
}


def texts_fragment() -> str:
    sections = {section: dict(tags) for section, tags in TEXTS.items()}
    for speed in range(0, 101, 10):
        for tag, texts in CURVE_MESSAGES.items():
            sections["CONSISTEETAPA4"][tag.format(speed)] = tuple(text.format(speed) for text in texts)
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             "<!-- Texts of the load and installation steps (made by tools/data/load_data.py). -->", "<textos>"]
    for index, language in enumerate(LANGUAGES):
        lines.append(f"  <{language}>")
        for section, tags in sections.items():
            lines.append(f"    <{section}>")
            lines += [f"      <{tag} {attrs(ds_texto=texts[index])}/>" for tag, texts in tags.items()]
            lines.append(f"    </{section}>")
        lines.append(f"  </{language}>")
    lines.append("</textos>")
    return "\n".join(lines) + "\n"


def half_even(value: float) -> int:
    return round(value)  # Python rounds halves to even, as the program does


def attrs(**values) -> str:
    return " ".join(f"{name}={quoteattr(str(value))}" for name, value in values.items())


def number(value) -> str:
    return f"{value:g}"


def load_types():
    for code, names in LOADS:
        curve, band, inertia, starts, remarks = DETAILS[code]
        assert len(curve) == 11 and starts in STARTS_PER_HOUR and inertia[1] <= inertia[0] <= inertia[2]
        yield code, names, curve, band, inertia, starts, remarks


def carga() -> str:
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', "<cargas>"]
    for index, language in enumerate(LANGUAGES):
        lines.append(f"  <{language}>")
        for code, names, curve, band, inertia, starts, remarks in load_types():
            values = {"ds_carga": names[index], "obs": remarks[index], "ds_caminho_desenho": "",
                      "ta_inercia_padrao": number(inertia[0]), "ta_inercia_minima": number(inertia[1]),
                      "ta_inercia_maxima": number(inertia[2]), "nr_partidashora": starts}
            for k, torque in enumerate(curve):
                values[f"TA_C{10 * k}"] = torque
            for k, torque in enumerate(curve):
                values[f"TA_Cmin{10 * k}"] = max(0, torque - band)
            for k, torque in enumerate(curve):
                values[f"TA_Cmax{10 * k}"] = torque + band
            lines.append(f"    <cd{code} {attrs(**values)}/>")
        lines.append(f"  </{language}>")
    lines.append("</cargas>")
    return "\n".join(lines) + "\n"


def flat(root: str, element: str, rows) -> str:
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', f"<{root}>"]
    lines += [f"  <{element} {attrs(**row)}/>" for row in rows]
    lines.append(f"</{root}>")
    return "\n".join(lines) + "\n"


def parallel(root: str, attribute: str, units) -> str:
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', f"<{root}>"]
    for unit, values in units:
        lines.append(f"  <{unit}>")
        lines += [f"    <valor {attrs(**{attribute: value})}/>" for value in values]
        lines.append(f"  </{unit}>")
    lines.append(f"</{root}>")
    return "\n".join(lines) + "\n"


def feet_for(metres: int) -> int:
    feet = half_even(metres / 0.3048)
    assert half_even(feet * 0.3048) == metres, metres
    return feet


def fahrenheit_for(celsius: int) -> int:
    fahrenheit = half_even(celsius * 9 / 5 + 32)
    assert half_even((fahrenheit - 32) * 5 / 9) == celsius, celsius
    return fahrenheit


def files():
    yield "Carga.xml", carga()
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', "<unidades>"]
    for language in LANGUAGES:
        lines.append(f"  <{language}>")
        for index, unit in enumerate(["kgm²", "Lb.ft²", INERTIA_UNITS[language]], start=1):
            lines.append(f"    <unidade{index} {attrs(ds_unidade=unit)}/>")
        lines.append(f"  </{language}>")
    lines.append("</unidades>")
    yield "Unidade_Inercia_Eixo_Motor.xml", "\n".join(lines) + "\n"
    yield "Numero_Partidas_Hora.xml", flat("partidas", "partida", [{"nr_partidas": n} for n in STARTS_PER_HOUR])
    yield "Intervalo_Partidas.xml", flat("intervalos", "intervalo",
                                         [{"ds_intervalo": name, "vl_segundos": s} for name, s in INTERVAL_UNITS])
    yield "Altitude.xml", parallel("altitudes", "vl_altitude",
                                   [("m", ALTITUDES_M), ("ft", [feet_for(m) for m in ALTITUDES_M])])
    yield "Temperatura.xml", parallel("temperaturas", "vl_temperatura",
                                      [("C", TEMPERATURES_C), ("F", [fahrenheit_for(c) for c in TEMPERATURES_C])])
    yield "Queda_Tensao_Partida.xml", flat(
        "quedas", "queda",
        [{"vl_queda_tensao": number(round((1 - d / 100) ** 2, 6)), "ds_queda_tensao": d} for d in VOLTAGE_DROPS])
    yield "Tensao_Comando.xml", flat("tensoes", "tensao", [{"vl_tensao": v} for v in COMMAND_VOLTAGES])
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', "<ligacoes>"]
    lines += [f"  <{name} {attrs(vl_ligacao=factor)}/>" for name, factor in CONNECTIONS]
    lines.append("</ligacoes>")
    yield "Ligacao_Motor.xml", "\n".join(lines) + "\n"


def main() -> None:
    check = "--check" in sys.argv[1:]
    args = [a for a in sys.argv[1:] if a != "--check"]
    if len(args) != 1:
        sys.exit(__doc__)
    folder = Path(args[0])
    outputs = [(folder / "XML" / name, text) for name, text in files()]
    outputs.append((folder / "texts" / "load.xml", texts_fragment()))
    stale = []
    for path, text in outputs:
        if check:
            if not path.exists() or path.read_text(encoding="utf-8") != text:
                stale.append(str(path))
            continue
        path.write_text(text, encoding="utf-8")
        print(f"wrote {path}")
    if stale:
        sys.exit("out of date, run tools/data/load_data.py: " + ", ".join(stale))


if __name__ == "__main__":
    main()
