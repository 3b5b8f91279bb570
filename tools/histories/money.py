"""Amounts as the clients write them and as the read-back checks take them."""

from __future__ import annotations


def plain_amount(cents: int) -> str:
    """Amount the way the clients print it: "2", "0.10", "1.05" (no thousands mark)."""
    if cents % 100 == 0:
        return str(cents // 100)
    return f"{cents // 100}.{cents % 100:02d}"


def party_amount(cents: int) -> str:
    """PartyPoker's amount: thousands marked with a comma ("1,250.50")."""
    whole = f"{cents // 100:,}"
    return whole if cents % 100 == 0 else f"{whole}.{cents % 100:02d}"


def cents_of(text: str, comma: bool = False) -> int:
    """A written amount in cents; `comma`: the client's decimal mark is a comma, else a
    comma marks thousands."""
    text = text.replace(",", ".") if comma else text.replace(",", "")
    if "." in text:
        whole, frac = text.split(".")
        return int(whole or 0) * 100 + int(frac.ljust(2, "0"))
    return int(text) * 100
