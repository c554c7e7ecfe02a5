"""Source tables of the sample motor catalogue.

Compact tables from which tools/data/motor_catalogue.py builds the motor data
files of data/XML. Figures are typical catalogue values: nominal efficiencies of
the IE3 class at 50 Hz and of the premium class at 60 Hz, power-factor, slip and
starting figures synthesised from catalogue data points, rotor inertia from a
power-law fit of catalogue values, IEC and NEMA frame assignments. They are
realistic sample data, not the data of any maker.

Curves given as anchor tables (power in kW -> value) are interpolated linearly
in log10(power) between anchors and held constant beyond the end anchors.
"""

POLES = [2, 4, 6, 8]

# ---------------------------------------------------------------------------
# Standards, markets and lines
# ---------------------------------------------------------------------------

# Design categories per standard; the first is the main one (every offered
# motor has data for it).
CATEGORIES = {
    "NBR": ["N", "H", "D"],
    "IEC": ["N", "H"],
    "NEMA": ["B", "A", "C", "D"],
}

# Order of the standards in the files.
STANDARDS = ["NBR", "NEMA", "IEC"]

# Markets per standard (market codes of Idioma_Mercado.xml).
MARKETS = {
    "NBR": ["BR"],
    "NEMA": ["U"],
    "IEC": ["IEC", "LA"],
}

# Motor lines: code -> standard, frequency, efficiency class, power series,
# and the line's name per language.
#   efficiency "premium": IE3 at 50 Hz / premium class at 60 Hz
#   efficiency "high":    IE2 at 50 Hz / the older high-efficiency class at 60 Hz
LINES = {
    101: dict(standard="NBR", hz=60, efficiency="premium", series="NBR",
              names={"POR": "Linha Premium IR3", "ENG": "Premium IR3 line", "ESP": "Línea Premium IR3"}),
    102: dict(standard="NBR", hz=60, efficiency="high", series="NBR",
              names={"POR": "Linha Alto Rendimento IR2", "ENG": "High Efficiency IR2 line",
                     "ESP": "Línea Alta Eficiencia IR2"}),
    201: dict(standard="IEC", hz=50, efficiency="premium", series="IEC",
              names={"POR": "Linha Premium IE3", "ENG": "Premium IE3 line", "ESP": "Línea Premium IE3"}),
    202: dict(standard="IEC", hz=50, efficiency="high", series="IEC",
              names={"POR": "Linha Alto Rendimento IE2", "ENG": "High Efficiency IE2 line",
                     "ESP": "Línea Alta Eficiencia IE2"}),
    203: dict(standard="IEC", hz=60, efficiency="premium", series="IEC",
              names={"POR": "Linha Premium IE3", "ENG": "Premium IE3 line", "ESP": "Línea Premium IE3"}),
    204: dict(standard="IEC", hz=60, efficiency="high", series="IEC",
              names={"POR": "Linha Alto Rendimento IE2", "ENG": "High Efficiency IE2 line",
                     "ESP": "Línea Alta Eficiencia IE2"}),
    301: dict(standard="NEMA", hz=60, efficiency="premium", series="NEMA",
              names={"POR": "Linha Premium Efficiency", "ENG": "Premium Efficiency line",
                     "ESP": "Línea Premium Efficiency"}),
    302: dict(standard="NEMA", hz=60, efficiency="high", series="NEMA",
              names={"POR": "Linha Energy Efficient", "ENG": "Energy Efficient line",
                     "ESP": "Línea Energy Efficient"}),
}

# Lines offered per market, in the order shown (the market's default first).
MARKET_LINES = {
    "BR": [101, 102],
    "U": [301, 302],
    "IEC": [201, 202, 203, 204],
    "LA": [203, 204, 201, 202],
}

LANGUAGES = ["POR", "ENG", "ESP"]

# ---------------------------------------------------------------------------
# Power series (kW) with the nominal cv and hp labels
# ---------------------------------------------------------------------------

# kW -> (cv label, hp label or None when the hp equivalent is not a NEMA rating)
POWER_LABELS = {
    0.12: (0.16, 0.16), 0.18: (0.25, 0.25), 0.25: (0.33, 0.33), 0.37: (0.5, 0.5),
    0.55: (0.75, 0.75), 0.75: (1, 1), 1.1: (1.5, 1.5), 1.5: (2, 2), 2.2: (3, 3),
    3: (4, None), 3.7: (5, 5), 4: (5.5, None), 5.5: (7.5, 7.5), 7.5: (10, 10),
    9.2: (12.5, None), 11: (15, 15), 15: (20, 20), 18.5: (25, 25), 22: (30, 30),
    30: (40, 40), 37: (50, 50), 45: (60, 60), 55: (75, 75), 75: (100, 100),
    90: (125, 125), 110: (150, 150), 132: (175, None), 150: (204, 200),
    160: (220, None), 186: (253, 250), 200: (270, None), 224: (305, 300),
    250: (340, None), 261: (355, 350), 298: (405, 400), 315: (430, None),
    336: (457, 450), 355: (480, None), 373: (507, 500),
}

_IEC_BASE = [0.12, 0.18, 0.25, 0.37, 0.55, 0.75, 1.1, 1.5, 2.2, 3, 4, 5.5, 7.5, 11, 15, 18.5, 22,
             30, 37, 45, 55, 75, 90, 110, 132, 160, 200, 250, 315, 355]
_NBR_BASE = sorted(_IEC_BASE + [3.7, 9.2])
_NEMA_BASE = [0.18, 0.25, 0.37, 0.55, 0.75, 1.1, 1.5, 2.2, 3.7, 5.5, 7.5, 11, 15, 18.5, 22, 30, 37,
              45, 55, 75, 90, 110, 150, 186, 224, 261, 298, 336, 373]

# Power range offered per series and number of poles (inclusive kW bounds).
POWER_RANGE = {
    "IEC": {2: (0.18, 355), 4: (0.12, 355), 6: (0.18, 355), 8: (0.18, 315)},
    "NBR": {2: (0.18, 355), 4: (0.12, 355), 6: (0.18, 355), 8: (0.18, 315)},
    "NEMA": {2: (0.37, 373), 4: (0.18, 373), 6: (0.25, 298), 8: (0.37, 224)},
}
SERIES = {"IEC": _IEC_BASE, "NBR": _NBR_BASE, "NEMA": _NEMA_BASE}

# Categories other than the main one are offered only in this power band
# (kW) and for these poles: high-torque and high-slip designs are small and
# medium machines of 4 poles and more.
SECONDARY_CATEGORY_RANGE = {
    "H": dict(poles=[4, 6, 8], kw=(0.37, 160)),
    "C": dict(poles=[4, 6, 8], kw=(0.75, 150)),
    "D": dict(poles=[4, 6, 8], kw=(0.37, 110)),
    "A": dict(poles=[2, 4, 6, 8], kw=(0.75, 373)),
}

# ---------------------------------------------------------------------------
# Efficiency, %
# ---------------------------------------------------------------------------

# IE3 nominal efficiency at 50 Hz (IEC 60034-30-1 formula), kW -> (2p, 4p, 6p, 8p).
IE3_50HZ = {
    0.12: (60.8, 64.8, 57.7, 50.7), 0.18: (65.9, 69.9, 63.9, 58.7), 0.25: (69.7, 73.5, 68.6, 64.1),
    0.37: (73.8, 77.3, 73.5, 69.3), 0.55: (77.8, 80.8, 77.2, 73.0), 0.75: (80.7, 82.5, 78.9, 75.0),
    1.1: (82.7, 84.1, 81.0, 77.7), 1.5: (84.2, 85.3, 82.5, 79.7), 2.2: (85.9, 86.7, 84.3, 81.9),
    3: (87.1, 87.7, 85.6, 83.5), 4: (88.1, 88.6, 86.8, 84.8), 5.5: (89.2, 89.6, 88.0, 86.2),
    7.5: (90.1, 90.4, 89.1, 87.3), 11: (91.2, 91.4, 90.3, 88.6), 15: (91.9, 92.1, 91.2, 89.6),
    18.5: (92.4, 92.6, 91.7, 90.1), 22: (92.7, 93.0, 92.2, 90.6), 30: (93.3, 93.6, 92.9, 91.3),
    37: (93.7, 93.9, 93.3, 91.8), 45: (94.0, 94.2, 93.7, 92.2), 55: (94.3, 94.6, 94.1, 92.5),
    75: (94.7, 95.0, 94.6, 93.1), 90: (95.0, 95.2, 94.9, 93.4), 110: (95.2, 95.4, 95.1, 93.7),
    132: (95.4, 95.6, 95.4, 94.0), 160: (95.6, 95.8, 95.6, 94.3), 200: (95.8, 96.0, 95.8, 94.6),
}

# Premium class at 60 Hz (enclosed motors), kW of the hp rating -> (2p, 4p, 6p, 8p).
# Below 0.75 kW the 50 Hz IE3 curve is scaled to meet the 0.75 kW value.
PREMIUM_60HZ = {
    0.75: (77.0, 85.5, 82.5, 75.5), 1.1: (84.0, 86.5, 87.5, 78.5), 1.5: (85.5, 86.5, 88.5, 84.0),
    2.2: (86.5, 89.5, 89.5, 85.5), 3.7: (88.5, 89.5, 89.5, 86.5), 5.5: (89.5, 91.7, 91.0, 86.5),
    7.5: (90.2, 91.7, 91.0, 89.5), 11: (91.0, 92.4, 91.7, 89.5), 15: (91.0, 93.0, 91.7, 90.2),
    18.5: (91.7, 93.6, 93.0, 90.2), 22: (91.7, 93.6, 93.0, 91.7), 30: (92.4, 94.1, 94.1, 91.7),
    37: (93.0, 94.5, 94.1, 92.4), 45: (93.6, 95.0, 94.5, 92.4), 55: (93.6, 95.4, 94.5, 93.6),
    75: (94.1, 95.4, 95.0, 93.6), 90: (95.0, 95.4, 95.0, 94.1), 110: (95.0, 95.8, 95.8, 94.1),
    150: (95.4, 96.2, 95.8, 94.5), 186: (95.8, 96.2, 95.8, 95.0), 224: (95.8, 96.2, 95.8, 95.0),
}

# Efficiency points below the premium class for the high-efficiency lines
# (IE2 at 50 Hz, the older high-efficiency class at 60 Hz), kW -> points.
HIGH_EFFICIENCY_GAP = {
    50: {0.12: 5.7, 0.37: 4.6, 0.75: 2.9, 7.5: 1.7, 75: 1.0, 200: 0.9},
    60: {0.12: 4.0, 0.75: 2.5, 7.5: 2.2, 75: 0.9, 373: 0.8},
}

# ---------------------------------------------------------------------------
# Power factor, slip, locked-rotor time, inertia, starting figures
# ---------------------------------------------------------------------------

# Power factor at full load, main category, 50 Hz: kW -> (2p, 4p, 6p, 8p).
POWER_FACTOR = {
    0.12: (0.74, 0.64, 0.58, 0.52), 0.75: (0.80, 0.74, 0.685, 0.63), 7.5: (0.865, 0.825, 0.77, 0.715),
    30: (0.88, 0.85, 0.82, 0.785), 110: (0.895, 0.865, 0.85, 0.82), 315: (0.905, 0.88, 0.86, 0.84),
}
POWER_FACTOR_60HZ_GAIN = 0.01

# Rated slip, %, main category, premium line: kW -> (2p, 4p, 6p, 8p).
SLIP = {
    0.12: (8.0, 10.0, 13.0, 15.0), 0.75: (5.0, 5.3, 7.0, 8.0), 7.5: (2.4, 2.7, 3.5, 4.0),
    30: (1.5, 1.7, 2.0, 2.0), 110: (0.8, 1.0, 1.2, 1.2), 315: (0.5, 0.67, 0.8, 0.67),
}
HIGH_EFFICIENCY_SLIP_FACTOR = 1.2   # more rotor losses, more slip

# Permitted locked-rotor time, hot, s, 4 poles: kW -> s; other poles by factor.
LOCKED_ROTOR_TIME_4P = {0.12: 20.0, 4: 14.0, 45: 12.0, 315: 10.0}
LOCKED_ROTOR_TIME_POLE_FACTOR = {2: 0.7, 4: 1.0, 6: 1.1, 8: 1.1}

# Rotor inertia J = a * P^b kg.m2 (P in kW); 6 and 8 poles as multiples of 4 poles.
INERTIA_2P = (0.0011, 1.45)
INERTIA_4P = (0.0032, 1.33)
INERTIA_POLE_FACTOR = {6: 1.45, 8: 1.9}
PREMIUM_INERTIA_FACTOR = 1.1        # longer core of the premium line

# Starting figures of the main category (IEC N, NBR N, NEMA B), premium line.
# Locked-rotor current Ip/In: kW -> (2p, 4p, 6p, 8p).
LOCKED_ROTOR_CURRENT = {
    0.12: (4.8, 4.2, 3.6, 3.2), 0.75: (6.5, 5.8, 4.8, 4.2), 5: (7.8, 7.2, 6.5, 5.8),
    50: (7.6, 7.3, 6.8, 6.5), 355: (7.0, 6.8, 6.5, 6.2),
}
HIGH_EFFICIENCY_CURRENT_GAP = 0.4
NEMA_B_CURRENT_LIMIT = 7.0

# Locked-rotor torque Cp/Cn, 4 poles: kW -> pu; other poles by factor.
LOCKED_ROTOR_TORQUE_4P = {0.12: 2.4, 0.75: 2.9, 7.5: 2.4, 30: 2.2, 110: 2.0, 355: 1.6}
LOCKED_ROTOR_TORQUE_POLE_FACTOR = {2: 0.95, 4: 1.0, 6: 0.9, 8: 0.85}

# Breakdown torque Cmax/Cn, 4 poles: kW -> pu; other poles by factor.
BREAKDOWN_TORQUE_4P = {0.12: 2.6, 0.75: 3.2, 7.5: 2.9, 30: 2.7, 110: 2.5, 355: 2.3}
BREAKDOWN_TORQUE_POLE_FACTOR = {2: 1.0, 4: 1.0, 6: 0.93, 8: 0.88}

# ---------------------------------------------------------------------------
# Frames
# ---------------------------------------------------------------------------

# IEC frame per number of poles: frame -> kW rated in it.
IEC_FRAMES = {
    2: {"63": [0.12, 0.18, 0.25], "71": [0.37, 0.55], "80M": [0.75, 1.1], "90S": [1.5], "90L": [2.2],
        "100L": [3], "112M": [3.7, 4], "132S": [5.5, 7.5], "160M": [9.2, 11, 15], "160L": [18.5],
        "180M": [22], "200L": [30, 37], "225M": [45], "250M": [55], "280S": [75], "280M": [90],
        "315S": [110], "315M": [132], "315L": [160, 200], "355M": [250], "355L": [315], "400L": [355]},
    4: {"63": [0.12, 0.18], "71": [0.25, 0.37], "80M": [0.55, 0.75], "90S": [1.1], "90L": [1.5],
        "100L": [2.2, 3], "112M": [3.7, 4], "132S": [5.5], "132M": [7.5, 9.2], "160M": [11],
        "160L": [15], "180M": [18.5], "180L": [22], "200L": [30], "225S": [37], "225M": [45],
        "250M": [55], "280S": [75], "280M": [90], "315S": [110], "315M": [132], "315L": [160, 200],
        "355M": [250], "355L": [315], "400L": [355]},
    6: {"71": [0.18, 0.25], "80M": [0.37, 0.55], "90S": [0.75], "90L": [1.1], "100L": [1.5],
        "112M": [2.2], "132S": [3, 3.7], "132M": [4, 5.5], "160M": [7.5, 9.2], "160L": [11],
        "180L": [15], "200L": [18.5, 22], "225M": [30], "250M": [37], "280S": [45], "280M": [55],
        "315S": [75], "315M": [90], "315L": [110, 132], "355M": [160, 200], "355L": [250],
        "400L": [315, 355]},
    8: {"80M": [0.18, 0.25], "90S": [0.37], "90L": [0.55], "100L": [0.75, 1.1], "112M": [1.5],
        "132S": [2.2], "132M": [3, 3.7], "160M": [4, 5.5], "160L": [7.5, 9.2], "180L": [11],
        "200L": [15], "225S": [18.5], "225M": [22], "250M": [30], "280S": [37], "280M": [45],
        "315S": [55], "315M": [75], "315L": [90, 110], "355M": [132, 160], "355L": [200, 250],
        "400L": [315]},
}

# NEMA frame groups (same shaft height), smallest first, with the equivalent
# IEC shaft height in mm.
NEMA_FRAME_GROUPS = [
    (["48"], 76), (["56"], 89), (["143T", "145T"], 90), (["182T", "184T"], 112),
    (["213T", "215T"], 132), (["254T", "256T"], 160), (["284T", "286T"], 180),
    (["324T", "326T"], 200), (["364T", "365T"], 225), (["404T", "405T"], 250),
    (["444T", "445T", "447T", "449T"], 280), (["5007L", "5009L"], 315), (["5810L", "5811L"], 355),
]

# 4-pole NEMA frame per kW (of the hp rating).
NEMA_FRAMES_4P = {
    0.18: "48", 0.25: "48", 0.37: "56", 0.55: "56", 0.75: "143T", 1.1: "145T", 1.5: "145T",
    2.2: "182T", 3.7: "184T", 5.5: "213T", 7.5: "215T", 11: "254T", 15: "256T", 18.5: "284T",
    22: "286T", 30: "324T", 37: "326T", 45: "364T", 55: "365T", 75: "405T", 90: "444T",
    110: "445T", 150: "447T", 186: "449T", 224: "5007L", 261: "5007L", 298: "5009L",
    336: "5009L", 373: "5810L",
}
# Frame groups up (6 and 8 poles) or down (2 poles above NEMA_2P_SMALLER_FROM_KW).
NEMA_FRAME_GROUP_SHIFT = {2: -1, 4: 0, 6: 1, 8: 2}
NEMA_2P_SMALLER_FROM_KW = 11

# ---------------------------------------------------------------------------
# Other lists
# ---------------------------------------------------------------------------

VOLTAGES = [220, 380, 400, 440, 460, 480, 575, 690]

POWER_UNITS = [("kW", "vl_potencia_kw"), ("cv", "vl_potencia_cv"), ("HP", "vl_potencia_hp")]

# Fallback power factor and efficiency per band (<= 1 kW, 1.001-50 kW, > 50 kW).
FALLBACK = {
    "vl2": ((0.80, 79), (0.86, 90), (0.89, 95)),
    "vl4": ((0.74, 80), (0.83, 91), (0.87, 95.5)),
    "vl6": ((0.68, 76), (0.78, 89), (0.85, 95)),
    "vl8": ((0.62, 71), (0.73, 87), (0.82, 94)),
    "senao": ((0.70, 76), (0.80, 88), (0.85, 94.5)),
}

# Service factors and whether the screen asks if the motor really runs with it.
SERVICE_FACTORS = [(1.0, "N"), (1.15, "S"), (1.25, "S")]
