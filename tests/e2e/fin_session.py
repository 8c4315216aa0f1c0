#!/usr/bin/env python3
"""A pupil's visit ended by the system, not by Quitter: the real program in
an X server (Xvfb, xdotool) gets a real signal during the visit, and the
pupil file on disk is checked byte for byte; a restarted program then goes
on from the answers it finds there.

usage: fin_session.py ORTHOVAL_BINARY OUTPUT_FOLDER
Exit 0: passed; 1: failed (screenshots and files in OUTPUT_FOLDER);
77: Xvfb or xdotool is missing.
"""
import datetime
import os
import shutil
import signal
import subprocess
import sys
import time

from parcours import TITRE_ELEVE, TITRE_PRINCIPAL, Echec, Seance, creer_wav, octets_bilan, outil

ELEVE = "Lea"
AVANT = "01/11/2026"


def ligne(etape, niveau, date):
    cellules = ["", niveau, date] + [""] * 8
    cellules[etape] = "chat"
    return cellules


# signal, answers before it, what the pupil file holds once the program has
# ended, and whether the program ended by itself (code 0, lock released).
# "chat" starts at the copy step (3) with level 1; the teacher has since
# given it level 2, which only a save after the identification writes.
# SIGKILL cannot be caught: only the saves made after each answer are there.
CAS = [
    ("SIGTERM", 3, ligne(6, "2", AVANT), True),
    ("SIGHUP", 3, ligne(6, "2", AVANT), True),
    ("SIGTERM", 0, ligne(3, "2", AVANT), True),
    ("SIGHUP", 0, ligne(3, "2", AVANT), True),
    ("SIGKILL", 3, ligne(6, "2", AVANT), False),
]


class Visite(Seance):
    def installer(self):
        os.makedirs(os.path.join(self.installation, "Sons"))
        creer_wav(os.path.join(self.installation, "Sons", "chat.wav"))
        with open(os.path.join(self.installation, "Mots.dat"), "wb") as f:
            f.write(b'"*","chat","2"\r\n')
        self.ecrire_bilan(ligne(3, "1", AVANT))

    def ecrire_bilan(self, cellules):
        with open(self.chemin_bilan(), "wb") as f:
            f.write(octets_bilan([cellules]))

    def chemin_bilan(self):
        return os.path.join(self.installation, ELEVE + ".bil")

    def lancer(self):
        self.journal = open(os.path.join(self.travail, "orthoval.log"), "ab")
        self.appli = subprocess.Popen([self.programme, "--donnees", self.installation], cwd=self.travail,
                                      env=self.env, stdout=self.journal, stderr=subprocess.STDOUT)

    def ouvrir_visite(self):
        self.attendre_fenetre(TITRE_PRINCIPAL)
        self.touches("alt+e")
        self.attendre_fenetre(TITRE_ELEVE)
        self.taper(ELEVE[:2].lower())
        self.touches("alt+m")
        self.attendre_fenetre(f"{TITRE_ELEVE} : {ELEVE}")

    def repondre(self, attendu, premier):
        """Types the word and validates; the file on disk must follow at once."""
        if not premier:
            self.touches("alt+v")
        self.taper("chat")
        self.touches("Return")
        self.attendre_fichier(ELEVE + ".bil", octets_bilan([attendu]))

    def attendre_fin(self, delai=15):
        try:
            self.appli.wait(delai)
        except subprocess.TimeoutExpired:
            raise Echec("the program is still running")
        self.journal.flush()


def essayer(s, nom_signal, reponses, attendu, propre):
    shutil.rmtree(s.installation, ignore_errors=True)
    s.installer()
    s.lancer()
    s.ouvrir_visite()
    for k in range(reponses):
        s.repondre(ligne(4 + k, "2", AVANT), k == 0)
    if reponses == 0:
        time.sleep(0.5)   # the window shown; the table reconciled, not saved yet
    s.capture(f"{nom_signal}-{reponses}-avant")
    s.appli.send_signal(getattr(signal, nom_signal))
    s.attendre_fin()
    if propre and s.appli.returncode != 0:
        raise Echec(f"{nom_signal}: the program ended with code {s.appli.returncode}")
    with open(s.chemin_bilan(), "rb") as f:
        lu = f.read()
    if lu != octets_bilan([attendu]):
        raise Echec(f"{nom_signal} after {reponses} answers: {ELEVE}.bil holds {lu!r}")
    verrou = os.path.exists(s.chemin_bilan() + ".verrou")
    if verrou == propre:
        raise Echec(f"{nom_signal}: the pupil's lock is {'still there' if verrou else 'gone'}")
    if reponses == 0 or not propre:
        return
    # The restarted program goes on from the file: the next right answer
    # takes the word from step 6 to step 7, dated today.
    s.lancer()
    s.ouvrir_visite()
    aujourdhui = datetime.date.today().strftime("%d/%m/%Y")
    s.repondre(ligne(7, "2", aujourdhui), True)
    s.touches("alt+q")
    s.attendre_disparition(f"{TITRE_ELEVE} : {ELEVE}")
    s.appli.send_signal(signal.SIGTERM)
    s.attendre_fin()


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    manquants = [o for o in ("Xvfb", "xdotool", "import") if not outil(o)]
    if manquants:
        print("SKIP: missing " + ", ".join(manquants))
        return 77
    programme, sortie = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    shutil.rmtree(sortie, ignore_errors=True)
    s = Visite(programme, sortie)
    try:
        s.demarrer_x()
        for cas in CAS:
            essayer(s, *cas)
            print(f"{cas[0]} after {cas[1]} answers: the pupil file holds them")
        return 0
    except (Echec, subprocess.TimeoutExpired) as e:
        print(f"FAILED: {e}")
        try:
            s.capture("echec")
        except Exception:
            pass
        os.makedirs(sortie, exist_ok=True)
        for f in os.listdir(s.captures):
            shutil.copy2(os.path.join(s.captures, f), sortie)
        if getattr(s, "journal", None):
            s.journal.flush()
            shutil.copy2(os.path.join(s.travail, "orthoval.log"), sortie)
        print(f"screenshots and the program's output in {sortie}")
        return 1
    finally:
        s.arreter()
        shutil.rmtree(s.travail, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
