#!/usr/bin/env python3
"""Makes the sample quizzes shipped with Sumcraft.

Each sample is described below by its print options and its sets (options
and number of questions). The script writes every sample with empty
questions, lets `sumcraft-cli recreate` generate the questions with a fixed
seed (so the files come out the same on every run), and checks the result
with `sumcraft-cli validate`.

    resources/samples/make-samples.py build/bin/sumcraft-cli
"""
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))

# Problem type codes.
ADD, SUB, MUL, DIV, MONEY, FRACTIONS, TIME, GRAPHS, TABLES = 0, 1, 2, 3, 5, 6, 7, 12, 10


def times_tables(*tables):
    """QTIMESTABLE for the given tables, every factor from 1 to 12."""
    return "".join("7" if n in tables else "0" for n in range(1, 13))


SAMPLES = [
    {
        "file": "Addition and subtraction to 100.qiz",
        "title": "Adding and taking away",
        "seed": 1001,
        "sets": [
            ({"QOPERAND": ADD, "QFIRSTTERMTYPE": 1, "QSECONDTERMTYPE": 1, "QREGROUPING": "NO"}, 15),
            ({"QOPERAND": ADD, "QFIRSTTERMTYPE": 1, "QSECONDTERMTYPE": 0, "QREGROUPING": "YES"}, 10),
            ({"QOPERAND": SUB, "QFIRSTTERMTYPE": 1, "QSECONDTERMTYPE": 1, "QREGROUPING": "NO"}, 15),
            ({"QOPERAND": SUB, "QFIRSTTERMTYPE": 1, "QSECONDTERMTYPE": 1, "QREGROUPING": "YES",
              "QORIENTATION": 1}, 10),
        ],
    },
    {
        "file": "Times tables 2-5-10.qiz",
        "title": "Times tables 2, 5 and 10",
        "seed": 2510,
        "sets": [
            ({"QOPERAND": MUL, "QMULTIPLICATIONTYPE": 0, "QTIMESTABLE": times_tables(2, 5, 10)}, 30),
            ({"QOPERAND": MUL, "QMULTIPLICATIONTYPE": 0, "QTIMESTABLE": times_tables(2, 5, 10),
              "QORIENTATION": 1}, 15),
            ({"QOPERAND": DIV, "QDIVISIONTYPE": 0, "QTIMESTABLE": times_tables(2, 5, 10),
              "STARTONNEWPAGE": "YES"}, 20),
        ],
    },
    {
        "file": "Money and time.qiz",
        "title": "Money and time",
        "seed": 3030,
        "sets": [
            ({"QOPERAND": MONEY, "QCOINSTOUSE": 15}, 4),
            ({"QOPERAND": TIME, "QFIRSTTERMTYPE": 1}, 6),
            ({"QOPERAND": TIME, "QFIRSTTERMTYPE": 2}, 6),
        ],
    },
    {
        "file": "Fractions.qiz",
        "title": "Fractions",
        "seed": 4004,
        "sets": [
            ({"QOPERAND": FRACTIONS, "QFRACTIONTYPE": 0}, 6),
            ({"QOPERAND": FRACTIONS, "QFRACTIONTYPE": 1}, 5),
            ({"QOPERAND": FRACTIONS, "QFRACTIONTYPE": 3, "ALLDENOMINATORSALIKE": "YES"}, 10),
            ({"QOPERAND": FRACTIONS, "QFRACTIONTYPE": 5}, 10),
        ],
    },
    {
        "file": "Reading a bar graph.qiz",
        "title": "Reading a bar graph",
        "seed": 5005,
        "sets": [
            ({"QOPERAND": GRAPHS, "BARGRAPHTYPE": 1, "INCREMENT_COUNT": 10, "INCREMENT_STEP_SIZE": 2,
              "QSECONDTERMTYPE": 0, "TABLEITEMNAME": "Baker", "TABLEDATACAPTION": "Cookies",
              "QITEMNAME": "cookies", "QACTIONNAME": "baked", "QTABLEDATATYPE": 1,
              "QACTIONPREDICATE": "by the helpers for the bake sale.", "TABLEUSEITEMNAME": "Yes",
              "QTABLENAMES": "Emma      Jacob     Aisha     Leo       "}, 6),
            ({"QOPERAND": TABLES, "QFIRSTTERMTYPE": 1, "QSECONDTERMTYPE": 0, "TABLEITEMNAME": "Reader",
              "TABLEDATACAPTION": "Books", "QITEMNAME": "books", "QACTIONNAME": "read", "QTABLEDATATYPE": 1,
              "QACTIONPREDICATE": "by four friends over the summer.", "TABLEUSEITEMNAME": "Yes",
              "QTABLENAMES": "Maya      Liam      Sofia     Noah      "}, 6),
        ],
    },
]


def quiz_text(sample):
    lines = ["2.0.0.",
             "PRINTSTUDENTNAMEBLANK=YES", "PRINTTEACHERNAMEBLANK=NO", "PRINTDATEBLANK=YES",
             "PRINTCLASSNAMEBLANK=NO", "PRINTQUIZTITLE=YES", "QUIZTITLE=" + sample["title"],
             "PRINTPAGENUMBERS=YES", "SKIPPRINTFIRSTPAGENUMBER=YES", "PRINTFOOTERTEXT=NO", "FOOTERTEXT="]
    for options, count in sample["sets"]:
        lines.append("BEGIN QUESTIONSET")
        lines.append("BEGIN QOPTIONS")
        lines += ["%s=%s" % (key, value) for key, value in options.items()]
        lines.append("END QOPTIONS")
        lines += ["BEGIN QUESTION", "END QUESTION"] * count
        lines.append("END QUESTIONSET")
    return "\r\n".join(lines) + "\r\n"


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    cli = sys.argv[1]
    with tempfile.TemporaryDirectory() as work:
        for sample in SAMPLES:
            draft = os.path.join(work, "draft.qiz")
            with open(draft, "w", newline="") as f:
                f.write(quiz_text(sample))
            target = os.path.join(HERE, sample["file"])
            subprocess.run([cli, "recreate", draft, "-o", target, "--seed", str(sample["seed"])], check=True)
            subprocess.run([cli, "validate", target], check=True)


if __name__ == "__main__":
    main()
