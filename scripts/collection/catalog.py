"""The builder the formula files use: areas, topics and formulas in the order
they appear in the collection.

A formula is a list of records, the first one its usual form. Each record is
(markup, calculation) or (markup, calculation, remark). The markup writes the
quantities as {VARIABLE} placeholders, so the generator knows where each
symbol stands; the calculation is an engine line "VARIABLE=expression" in
which the character π stands for the number pi.
"""


class Formula:
    def __init__(self, gebiet, thema, inhalt, records, example, text, grafik):
        self.gebiet, self.thema, self.inhalt = gebiet, thema, inhalt
        self.records, self.example, self.text, self.grafik = records, example, text, grafik


FORMULAS = []
_current = {"gebiet": None, "thema": None}
# Areas and topics keep the place where they first appear; a later file may
# add formulas to a topic that an earlier one opened.
_AREAS = []
_TOPICS = []


def area(name):
    _current["gebiet"], _current["thema"] = name, None
    if name not in _AREAS:
        _AREAS.append(name)


def topic(name):
    _current["thema"] = name
    if (_current["gebiet"], name) not in _TOPICS:
        _TOPICS.append((_current["gebiet"], name))


def ordered():
    """The formulas grouped by area and topic, in the order of first
    appearance, each topic's formulas in the order they were written."""
    return sorted(FORMULAS, key=lambda f: (_AREAS.index(f.gebiet), _TOPICS.index((f.gebiet, f.thema))))


def formula(inhalt, *records, ex, text="", grafik=""):
    """records: tuples (markup, calculation[, remark]); ex: the example's
    given values for the first record (constants default to their value)."""
    if _current["gebiet"] is None or _current["thema"] is None:
        raise ValueError("Formel %r ohne Gebiet oder Thema" % inhalt)
    recs = []
    for r in records:
        if len(r) == 2:
            recs.append((r[0], r[1], ""))
        elif len(r) == 3:
            recs.append(tuple(r))
        else:
            raise ValueError("Formel %r: Datensatz %r" % (inhalt, r))
    FORMULAS.append(Formula(_current["gebiet"], _current["thema"], inhalt, recs, ex, text, grafik))
