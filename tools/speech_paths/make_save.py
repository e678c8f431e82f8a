#!/usr/bin/env python3
"""Writes a small saved game for the speech paths: one creature, some money.

usage: make_save.py FILE NAME SPECIES LEVEL MONEY
"""
import sys

path, name, species, level, money = sys.argv[1], sys.argv[2], *map(int, sys.argv[3:6])
lines = ["VERSION2SAVEFILEIDENTIFIER", name] + ["FALSE"] * 5
lines += ["0", str(money), "0", "0", "0", "0"]  # badges, money, wins, losses, fights, catches
lines += ["5", "0", "0", "0", "2", "0"]  # balls of four kinds, potions, super potions
lines += ["TRUE" if s == species else "FALSE" for s in range(1, 387)]
lines += [str(species), str(level), str(level ** 3)]
lines += ["0"] * (3 * 9999)
with open(path, "w", newline="\r\n") as f:
    f.write("\n".join(lines) + "\n")
