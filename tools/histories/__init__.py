"""Synthetic hand histories with their true results, for PokerStars, PartyPoker, Tiger
Gaming, 888poker and LotosPoker, and the XML session files of iPoker.

A small dealer (`dealer`) plays cash-game hands the way a poker room does, sessions
(`session`) string them together at a table, and each room's writer (`rooms`) puts
them in the room's own format.  The hero's net result is worked out from the dealer's
ledger, not from the text; as a safety net every written hand is read back by a plain
line-by-line accountant and must give the same figure and balance to the cent.

`samples` writes the bundled examples and the readers' fixtures; the command line is
`cli` (tools/make_sample_histories.py runs it).  Standard library only.
"""
