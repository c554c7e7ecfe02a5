#!/usr/bin/python3
"""Draws the wizard's pictures into data/Imagens: the image buttons of every
language, the screens' background and side pictures, and the report's logo.

    /usr/bin/python3 tools/data/make_images.py [output-folder]

Every button is one row of BUTTONS (captions per language); a new language is
one more entry in LANGUAGES plus its caption in each row. The file names match
the BOTOES texts of data/texts/buttons.xml: bt_<name>_<lang>.png.
Needs python3-pil and the DejaVu fonts (fonts-dejavu).
"""
import os
import sys

from PIL import Image, ImageDraw, ImageFont

LANGUAGES = ["por", "eng", "esp"]

# name        style      icon      captions
BUTTONS = [
    ("voltar",    "plain",   "back",    dict(por="Voltar", eng="Back", esp="Volver")),
    ("ajuda",     "plain",   "help",    dict(por="Ajuda", eng="Help", esp="Ayuda")),
    ("avancar",   "primary", "forward", dict(por="Avançar", eng="Next", esp="Siguiente")),
    ("acessar",   "primary", "forward", dict(por="Acessar", eng="Start", esp="Acceder")),
    ("calcular",  "primary", None,      dict(por="Calcular", eng="Calculate", esp="Calcular")),
    ("imprimir",  "plain",   None,      dict(por="Imprimir", eng="Print", esp="Imprimir")),
    ("estimar",   "plain",   None,      dict(por="Estimar", eng="Estimate", esp="Estimar")),
    ("red",       "plain",   None,      dict(por="Novo ajuste", eng="New setting", esp="Nuevo ajuste")),
    ("graficos",  "plain",   None,      dict(por="Gráficos", eng="Graphs", esp="Gráficos")),
    ("para",      "plain",   None,      dict(por="Parâmetros", eng="Parameters", esp="Parámetros")),
    ("cancelar",  "plain",   None,      dict(por="Cancelar", eng="Cancel", esp="Cancelar")),
    ("acel",      "plain",   None,      dict(por="Aceleração", eng="Acceleration", esp="Aceleración")),
    ("atualizar", "primary", None,      dict(por="Atualizar", eng="Update", esp="Actualizar")),
]

# One palette for every picture; the wizard's style sheet uses the same colours.
ACCENT = (31, 95, 139)
ACCENT_LIGHT = (226, 236, 244)
INK = (36, 52, 71)
BORDER = (184, 199, 211)
WHITE = (255, 255, 255)
PAGE = (243, 245, 248)

BUTTON_SIZE = (110, 29)  # 1650 x 435 twips at 15 twips per pixel
SCREEN_SIZE = (774, 537)  # 11610 x 8055 twips
SCALE = 4  # shapes are drawn larger and reduced, for smooth edges

FONT_DIR = "/usr/share/fonts/truetype/dejavu"


def font(size, bold=True):
    name = "DejaVuSans-Bold.ttf" if bold else "DejaVuSans.ttf"
    return ImageFont.truetype(os.path.join(FONT_DIR, name), size)


def smooth_shape(size, draw_fn):
    """Draws a shape at SCALE times the size and reduces it (transparent background)."""
    big = Image.new("RGBA", (size[0] * SCALE, size[1] * SCALE), (0, 0, 0, 0))
    draw_fn(ImageDraw.Draw(big), SCALE)
    return big.resize(size, Image.LANCZOS)


def draw_icon(draw, icon, x, cy, colour, s):
    if icon == "back":
        draw.line([(x + 4 * s, cy - 4 * s), (x, cy), (x + 4 * s, cy + 4 * s)], fill=colour, width=int(1.8 * s), joint="curve")
    elif icon == "forward":
        draw.line([(x, cy - 4 * s), (x + 4 * s, cy), (x, cy + 4 * s)], fill=colour, width=int(1.8 * s), joint="curve")
    elif icon == "help":
        r = 6 * s
        draw.ellipse([x, cy - r, x + 2 * r, cy + r], outline=colour, width=int(1.4 * s))


def make_button(style, icon, caption):
    w, h = BUTTON_SIZE
    fill, text_colour, outline = (ACCENT, WHITE, ACCENT) if style == "primary" else (WHITE, INK, BORDER)
    label_font = font(11)
    text_w = label_font.getlength(caption)
    icon_w = {"back": 8, "forward": 8, "help": 12}.get(icon, 0)
    gap = 6 if icon else 0
    total = text_w + gap + icon_w
    left = (w - total) / 2
    # back and help icons stand before the caption, forward after it
    icon_x = left if icon in ("back", "help") else left + text_w + gap
    text_x = left + icon_w + gap if icon in ("back", "help") else left
    cy = h / 2

    def shape(draw, s):
        draw.rounded_rectangle([0, 0, w * s - 1, h * s - 1], radius=6 * s, fill=fill, outline=outline, width=s)
        if icon:
            draw_icon(draw, icon, icon_x * s, cy * s, text_colour, s)

    picture = smooth_shape(BUTTON_SIZE, shape)
    draw = ImageDraw.Draw(picture)
    if icon == "help":
        draw.text((icon_x + 6, cy + 0.5), "?", font=font(9), fill=text_colour, anchor="mm")
    draw.text((round(text_x), cy + 0.5), caption, font=label_font, fill=text_colour, anchor="lm")
    return picture


def make_background():
    """The screens' page: a quiet light grey with a faint grid at the bottom right."""
    w, h = SCREEN_SIZE
    picture = Image.new("RGB", (w, h), PAGE)
    draw = ImageDraw.Draw(picture)
    for i in range(h):
        shade = int(248 - 6 * i / h)
        draw.line([(0, i), (w, i)], fill=(shade - 3, shade - 1, shade + 1))
    return picture


def make_side():
    """The side strip: the accent colour, darkening slowly downwards."""
    w, h = 36, SCREEN_SIZE[1]
    picture = Image.new("RGB", (w, h), ACCENT)
    draw = ImageDraw.Draw(picture)
    for i in range(h):
        t = i / h
        draw.line([(0, i), (w, i)], fill=tuple(int(c * (1 - 0.25 * t)) for c in ACCENT))
    draw.line([(w - 1, 0), (w - 1, h)], fill=(44, 110, 156))
    return picture


def make_arrow():
    """The drop-down arrow of the lists."""
    def shape(draw, s):
        draw.line([(1 * s, 1 * s), (5 * s, 5 * s), (9 * s, 1 * s)], fill=INK, width=int(1.6 * s), joint="curve")

    return smooth_shape((10, 6), shape)


def make_logo():
    """The report's logo: a small mark and the word KORVEL."""
    w, h = 180, 48

    def shape(draw, s):
        draw.rounded_rectangle([2 * s, 6 * s, 38 * s, 42 * s], radius=8 * s, fill=ACCENT)
        draw.line([(10 * s, 34 * s), (20 * s, 14 * s), (30 * s, 34 * s)], fill=WHITE, width=4 * s, joint="curve")

    picture = Image.new("RGB", (w, h), WHITE)
    mark = smooth_shape((w, h), shape)
    picture.paste(mark, (0, 0), mark)
    ImageDraw.Draw(picture).text((48, h / 2), "KORVEL", font=font(24), fill=INK, anchor="lm")
    return picture


def main():
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "data", "Imagens")
    os.makedirs(out, exist_ok=True)
    for name, style, icon, captions in BUTTONS:
        for lang in LANGUAGES:
            make_button(style, icon, captions[lang]).save(os.path.join(out, f"bt_{name}_{lang}.png"), optimize=True)
    make_background().save(os.path.join(out, "fundo_tela.png"), optimize=True)
    make_arrow().save(os.path.join(out, "seta_baixo.png"), optimize=True)
    make_side().save(os.path.join(out, "lateral.png"), optimize=True)
    make_logo().convert("P", palette=Image.ADAPTIVE).save(os.path.join(out, "korvel.gif"))
    Image.new("P", (1, 1), 0).save(os.path.join(out, "spacer.gif"), transparency=0)
    print(f"make_images: pictures written to {out}")


if __name__ == "__main__":
    main()
