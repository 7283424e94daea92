"""A small re-implementation of Kolvar's formula language, used to check the
calculation lines of the collection before they are shipped.

It follows the program's compiler rule for rule (upper-casing, the decimal
comma, "E" numbers, the precedence table, functions that stay on the operator
stack after their argument, the expect-operand flag that makes 2*-3 fail),
because a line that only works in Python's own arithmetic is worthless to the
program. Values are Python floats; the checks compare to 1e-9 relative, far
above the difference to the program's extended precision.
"""
import math
import re


class EngineError(Exception):
    """A line that does not compile, or a value outside a function's domain."""


# Opcodes and precedence as the program's compiler has them.
PRECEDENCE = [0, 2, 2, 3, 3, 0, 7, 2, 5] + [4] * 19
FUNCTIONS = [("LG(", 26), ("LN(", 9), ("SQR(", 10), ("COS(", 11), ("SIN(", 12),
             ("TAN(", 13), ("EXP(", 14), ("ABS(", 15), ("SGN(", 16), ("RAD(", 17),
             ("GRAD(", 18), ("SQRT(", 21), ("ARCCOS(", 22), ("ARCSIN(", 23),
             ("ARCTAN(", 24), ("COT(", 19), ("ARCCOT(", 25), ("FAK(", 20)]
SINGLE = {"+": 1, "-": 2, "/": 3, ":": 3, "*": 4, "(": 5, ")": 6, "^": 8}
QUEUE_MAX, OPSTACK_MAX, VALSTACK_MAX = 100, 50, 50

_NUMBER_TEXT = re.compile(r"^ *[+-]?(?=.)(\d*)(?:\.(\d*))?(?:[eE]([+-]?\d+))?$")


def text_to_number(text):
    """The engine's number reading: "," is the decimal separator, an empty
    mantissa counts as 0. Returns None when the text does not convert."""
    swapped = text.translate(str.maketrans({",": ".", ".": ","}))
    m = _NUMBER_TEXT.match(swapped)
    if not m:
        return None
    whole, frac, exp = m.group(1), m.group(2) or "", m.group(3)
    mant = float((whole or "0") + "." + (frac or "0"))
    if swapped.strip().startswith("-"):
        mant = -mant
    return mant * (10.0 ** int(exp)) if exp else mant


def compile_expression(expr, names):
    """Compiles an expression into postfix tokens. names is the set of
    defined variable names (upper case). Raises EngineError."""
    text = expr.upper() + ")"
    if " " in text or "=" in text:
        raise EngineError("Leerzeichen oder '=' im Ausdruck: " + expr)
    queue, ops = [], [5]
    expect_operand = True
    pos = 0

    def append(tok):
        if len(queue) >= QUEUE_MAX:
            raise EngineError("zu viele Token: " + expr)
        queue.append(tok)

    while pos < len(text):
        ch = text[pos]
        op = None
        if ch in SINGLE:
            op, pos = SINGLE[ch], pos + 1
        else:
            for name, code in FUNCTIONS:
                if text.startswith(name, pos):
                    op, pos = code, pos + len(name) - 1
                    break
        if op is None:
            # a number: digits and commas, then "E", signs and digits
            end = pos
            while end < len(text) and (text[end].isdigit() or text[end] == ","):
                end += 1
            if end < len(text) and text[end] == "E":
                end += 1
                while end < len(text) and text[end] in "+-":
                    end += 1
                while end < len(text) and text[end].isdigit():
                    end += 1
            value = text_to_number(text[pos:end]) if end > pos else None
            if value is not None:
                append(("num", value))
                pos = end
                expect_operand = False
                continue
            # a variable: the longest defined name the text begins with
            best = max((n for n in names if text.startswith(n, pos)), key=len, default=None)
            if best is None:
                raise EngineError("unbekannter Name bei '%s' in %s" % (text[pos:-1], expr))
            append(("var", best))
            pos += len(best)
            expect_operand = False
            continue
        if op == 5:
            if len(ops) >= OPSTACK_MAX:
                raise EngineError("Operatorstapel voll: " + expr)
            ops.append(5)
            expect_operand = True
        elif op == 6:
            while True:
                if not ops:
                    raise EngineError("Klammer ohne Gegenstück: " + expr)
                top = ops.pop()
                if top == 5:
                    break
                append(("op", top))
        else:
            if expect_operand and op == 2:
                op = 7
            while ops and PRECEDENCE[op] <= PRECEDENCE[ops[-1]]:
                append(("op", ops.pop()))
            if len(ops) >= OPSTACK_MAX:
                raise EngineError("Operatorstapel voll: " + expr)
            ops.append(op)
            expect_operand = False
    if ops:
        raise EngineError("Klammern nicht ausgeglichen: " + expr)
    # the program's check: simulate the stack
    depth = 0
    for kind, val in queue:
        if kind in ("num", "var"):
            depth += 1
        elif val in (1, 2, 3, 4, 8):
            depth -= 1
        if depth < 1 or depth > VALSTACK_MAX:
            raise EngineError("fehlender Operand: " + expr)
    if depth != 1:
        raise EngineError("überzähliger Operand: " + expr)
    return queue


def _power(a, b):
    if b == 0:
        return 1.0
    if b == int(b):
        n = abs(int(b))
        r = a ** n
        if b < 0:
            if r == 0:
                raise EngineError("0 hoch negativ")
            r = 1.0 / r
        return r
    if a <= 0:
        raise EngineError("negative Basis bei gebrochenem Exponenten")
    return math.exp(b * math.log(a))


def _arcsin(a):
    if a * a == 1:
        return math.copysign(math.pi / 2, a)
    if a * a > 1:
        raise EngineError("Argument <1 arcsin-Funktion")
    return math.atan(a / math.sqrt(1 - a * a))


def evaluate(queue, values):
    stack = []
    for kind, val in queue:
        if kind == "num":
            stack.append(val)
            continue
        if kind == "var":
            stack.append(values[val])
            continue
        if val in (1, 2, 3, 4, 8):
            b, a = stack.pop(), stack.pop()
            if val == 1:
                r = a + b
            elif val == 2:
                r = a - b
            elif val == 3:
                if b == 0:
                    raise EngineError("Division durch 0")
                r = a / b
            elif val == 4:
                r = a * b
            else:
                r = _power(a, b)
        else:
            a = stack.pop()
            if val == 7:
                r = -a
            elif val in (9, 26):
                if a <= 0:
                    raise EngineError("Negatives Argument LN-Funktion")
                r = math.log(a) if val == 9 else math.log(a) / math.log(10)
            elif val == 10:
                r = a * a
            elif val == 21:
                if a < 0:
                    raise EngineError("Negativer Radikant")
                r = math.sqrt(a)
            elif val == 11:
                r = math.cos(a)
            elif val == 12:
                r = math.sin(a)
            elif val == 13:
                if math.cos(a) == 0:
                    raise EngineError("tan nicht definiert")
                r = math.sin(a) / math.cos(a)
            elif val == 19:
                if math.sin(a) == 0:
                    raise EngineError("cot nicht definiert")
                r = math.cos(a) / math.sin(a)
            elif val == 14:
                r = math.exp(a)
            elif val == 15:
                r = abs(a)
            elif val == 16:
                r = float((a > 0) - (a < 0))
            elif val == 17:
                r = a * math.pi / 180
            elif val == 18:
                r = a * 180 / math.pi
            elif val == 20:
                if a != int(a) or a < 1:
                    raise EngineError("Keine natürliche Zahl!")
                r = float(math.factorial(int(a)))
            elif val == 23:
                r = _arcsin(a)
            elif val == 22:
                r = math.pi / 2 - _arcsin(a)
            elif val == 24:
                r = math.atan(a)
            elif val == 25:
                r = math.pi / 2 - math.atan(a)
            else:
                raise EngineError("unbekannter Operator %d" % val)
        if isinstance(r, complex) or math.isinf(r) or math.isnan(r):
            raise EngineError("Überlauf")
        stack.append(r)
    return stack.pop()


def split_definition(line):
    """Splits "NAME=expression" the way the line protocol does (upper case,
    no blanks). Raises EngineError for anything that is not a plain variable
    definition."""
    copy = line.upper().replace(" ", "").replace("\t", "")
    if "=" not in copy:
        raise EngineError("kein '=' in " + line)
    name, rhs = copy.split("=", 1)
    if not name or not ("A" <= name[0] <= "Z") or "(" in name:
        raise EngineError("keine Variablendefinition: " + line)
    if not rhs:
        raise EngineError("leere rechte Seite: " + line)
    return name, rhs


def used_names(queue):
    return {val for kind, val in queue if kind == "var"}
