#!/usr/bin/env python3
"""Writes a small saved game for the speech paths: one creature, some money,
five ZORIBalls, two Potions and MASTER Master Balls (none unless given).

usage: make_save.py FILE NAME SPECIES LEVEL MONEY [MASTER]
"""
import sys

path, name, species, level, money = sys.argv[1], sys.argv[2], *map(int, sys.argv[3:6])
master = sys.argv[6] if len(sys.argv) > 6 else "0"
lines = ["VERSION2SAVEFILEIDENTIFIER", name] + ["FALSE"] * 5
lines += ["0", str(money), "0", "0", "0", "0"]  # badges, money, wins, losses, fights, catches
lines += ["5", "0", "0", master, "2", "0"]  # balls of four kinds, potions, super potions
lines += ["TRUE" if s == species else "FALSE" for s in range(1, 387)]
lines += [str(species), str(level), str(level ** 3)]
lines += ["0"] * (3 * 9999)
with open(path, "w", newline="\r\n") as f:
    f.write("\n".join(lines) + "\n")
