#!/usr/bin/env python3
"""A teacher and a pupil use OrthoVal in a real X server, keyboard and mouse
driven by xdotool; the files left in the installation folder are checked
byte for byte.

usage: parcours.py ORTHOVAL_BINARY OUTPUT_FOLDER
Exit 0: passed; 1: failed (screenshots of every step in OUTPUT_FOLDER);
77: Xvfb or xdotool is missing.
"""
import datetime
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import wave

TITRE_PRINCIPAL = "OrthoVal : j'apprends"
TITRE_ENSEIGNANT = "OrthoVal - Enseignant"
TITRE_ELEVE = "OrthoVal - Élève"
CODE = "abc"
ELEVE = "Lea"
MOTS = ["chat", "lune", "mer"]


class Echec(Exception):
    pass


def outil(nom):
    return shutil.which(nom)


def creer_wav(chemin, duree_ms=150):
    with wave.open(chemin, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(8000)
        w.writeframes(struct.pack("<h", 0) * (8 * duree_ms))


class Seance:
    def __init__(self, programme, sortie):
        self.programme = programme
        self.sortie = sortie
        self.travail = tempfile.mkdtemp(prefix="orthoval-e2e-")
        self.installation = os.path.join(self.travail, "installation")
        self.captures = os.path.join(self.travail, "captures")
        os.makedirs(self.captures)
        self.etape = 0
        self.xvfb = None
        self.appli = None
        self.env = dict(os.environ)

    # -- the X server and the program -------------------------------------
    def demarrer_x(self):
        # Xvfb picks a free display itself and writes its number on the pipe:
        # no race with other X servers starting on this machine. No reset
        # when the last program leaves: the next one would find no server.
        lecture, ecriture = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(ecriture), "-screen", "0", "1280x1024x24",
                                      "-nolisten", "tcp", "-noreset"], pass_fds=(ecriture,),
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(ecriture)
        numero = b""
        fin = time.time() + 30
        while not numero.endswith(b"\n") and time.time() < fin:
            morceau = os.read(lecture, 16)
            if not morceau:
                break
            numero += morceau
        os.close(lecture)
        if not numero.strip().isdigit():
            raise Echec("Xvfb did not start")
        self.env["DISPLAY"] = ":" + numero.decode().strip()
        self.env["QT_QPA_PLATFORM"] = "xcb"

    def installer(self):
        os.makedirs(os.path.join(self.installation, "Sons"))
        shutil.copy2(self.programme, os.path.join(self.installation, "orthoval"))
        for mot in MOTS:
            creer_wav(os.path.join(self.installation, "Sons", mot + ".wav"))

    def lancer(self):
        self.journal = open(os.path.join(self.travail, "orthoval.log"), "wb")
        self.appli = subprocess.Popen([os.path.join(self.installation, "orthoval")], cwd=self.installation,
                                      env=self.env, stdout=self.journal, stderr=subprocess.STDOUT)

    def arreter(self):
        for p in (self.appli, self.xvfb):
            if p and p.poll() is None:
                p.terminate()
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()

    # -- acting like a person -----------------------------------------------
    def xdo(self, *args, delai=20):
        r = subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True, timeout=delai)
        if r.returncode != 0:
            raise Echec(f"xdotool {' '.join(args)}: {r.stderr.strip()}")
        return r.stdout.strip()

    def capture(self, nom):
        self.etape += 1
        chemin = os.path.join(self.captures, f"{self.etape:02d}-{nom}.png")
        subprocess.run(["import", "-window", "root", chemin], env=self.env, timeout=30,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return chemin

    def attendre_fenetre(self, titre, delai=30):
        """The id of the visible window whose title contains the text."""
        fin = time.time() + delai
        while time.time() < fin:
            if self.appli.poll() is not None:
                raise Echec(f"the program ended (code {self.appli.returncode}) while waiting for «{titre}»")
            r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", re.escape(titre)],
                               env=self.env, capture_output=True, text=True)
            ids = r.stdout.split()
            if ids:
                time.sleep(0.5)  # let the window finish painting
                self.focus(ids[-1])
                return ids[-1]
            time.sleep(0.2)
        raise Echec(f"no window «{titre}» after {delai} s")

    def attendre_disparition(self, titre, delai=30):
        fin = time.time() + delai
        while time.time() < fin:
            r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", re.escape(titre)],
                               env=self.env, capture_output=True, text=True)
            if not r.stdout.split():
                return
            time.sleep(0.2)
        raise Echec(f"window «{titre}» still open after {delai} s")

    def fenetres(self):
        r = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.appli.pid)],
                           env=self.env, capture_output=True, text=True)
        return set(r.stdout.split())

    def attendre_nouvelle_fenetre(self, connues, delai=30):
        """A window of the program that was not open before (a dialog
        without a title); it gets the keyboard focus, as a person's click
        would give it."""
        fin = time.time() + delai
        while time.time() < fin:
            if self.appli.poll() is not None:
                raise Echec(f"the program ended (code {self.appli.returncode})")
            nouvelles = self.fenetres() - connues
            if nouvelles:
                fenetre = sorted(nouvelles)[-1]
                time.sleep(0.5)
                self.focus(fenetre)
                return fenetre
            time.sleep(0.2)
        raise Echec("no new window opened")

    def verifier_titre(self, fenetre, attendu):
        """The title the window manager shows: exactly the program's own."""
        titre = self.xdo("getwindowname", fenetre)
        if titre != attendu:
            raise Echec(f"window title «{titre}», expected «{attendu}»")

    def focus(self, fenetre):
        # There is no window manager to hand the focus over.
        self.xdo("windowfocus", "--sync", fenetre)
        time.sleep(0.3)

    def touches(self, *touches):
        for t in touches:
            self.xdo("key", "--clearmodifiers", t)
            time.sleep(0.3)

    def taper(self, texte):
        self.xdo("type", "--delay", "60", texte)
        time.sleep(0.3)

    def attendre_fichier(self, nom, attendu=None, delai=15):
        chemin = os.path.join(self.installation, nom)
        fin = time.time() + delai
        contenu = None
        while time.time() < fin:
            if os.path.isfile(chemin):
                with open(chemin, "rb") as f:
                    contenu = f.read()
                if attendu is None or contenu == attendu:
                    return contenu
            time.sleep(0.2)
        if contenu is None:
            raise Echec(f"{nom} was not created")
        raise Echec(f"{nom} holds {contenu!r}, expected {attendu!r}")

    # -- finding the level boxes on the screen ------------------------------
    def lignes_rouges(self, image):
        """Lines of pure red text: (top, bottom, left, right) each."""
        sortie = subprocess.run(
            ["convert", image, "-alpha", "off", "-fuzz", "12%", "-fill", "black", "+opaque", "#FF0000",
             "-fill", "white", "-opaque", "#FF0000", "-define", "connected-components:verbose=true",
             "-connected-components", "8", "null:"],
            capture_output=True, text=True, timeout=120).stdout
        blocs = []
        for ligne in sortie.splitlines():
            m = re.match(r"\s*\d+: (\d+)x(\d+)\+(\d+)\+(\d+) [\d.]+,[\d.]+ (\d+) (\S+)", ligne)
            if m and m.group(6) in ("gray(255)", "srgb(255,255,255)", "white"):
                l, h, x, y = map(int, m.groups()[:4])
                blocs.append([y, y + h, x, x + l])
        blocs.sort()
        lignes = []
        for b in blocs:
            if lignes and b[0] <= lignes[-1][1] and b[1] >= lignes[-1][0]:
                d = lignes[-1]
                lignes[-1] = [min(d[0], b[0]), max(d[1], b[1]), min(d[2], b[2]), max(d[3], b[3])]
            else:
                lignes.append(b)
        return lignes

    def boites_niveau(self, image, nombre):
        """Click points of the level boxes of the first rows: the words are
        red and right-aligned, the box stands just right of each."""
        lignes = self.lignes_rouges(image)
        groupes = {}
        for l in lignes:
            cle = next((k for k in groupes if abs(k - l[3]) <= 3), l[3])
            groupes.setdefault(cle, []).append(l)
        mots = max(groupes.values(), key=len, default=[])
        if len(mots) < nombre:
            raise Echec(f"found {len(mots)} red word lines, expected {nombre}: {lignes}")
        mots.sort()
        return [(l[3] + 30, (l[0] + l[1]) // 2) for l in mots[:nombre]]

    def couleur_autour(self, image, x, y, couleur):
        """Share of the pixels near the point that have this colour."""
        r = subprocess.run(["convert", image, "-crop", f"30x20+{x - 15}+{y - 10}", "+repage", "-alpha", "off",
                            "-fuzz", "5%", "-fill", "black", "+opaque", couleur, "-fill", "white", "-opaque",
                            couleur, "-format", "%[fx:mean]", "info:"], capture_output=True, text=True, timeout=60)
        return float(r.stdout or 0)


def octets_bilan(lignes):
    return "".join(f'"{c}"\r\n' for ligne in lignes for c in ligne).encode("cp1252")


def parcours(s):
    aujourdhui = datetime.date.today().strftime("%d/%m/%Y")
    principal = s.attendre_fenetre(TITRE_PRINCIPAL)
    s.verifier_titre(principal, "OrthoVal : j'apprends à écrire les mots.")
    s.capture("principal")
    if os.path.exists(os.path.join(s.installation, "Code.dat")):
        raise Echec("Code.dat exists before any code was chosen")

    # The teacher: first use, the code is chosen.
    connues = s.fenetres()
    s.touches("alt+s")
    s.attendre_nouvelle_fenetre(connues)
    s.taper(CODE)
    s.capture("code")
    s.touches("Return")
    # Typed a second time, to be sure of it.
    s.taper(CODE)
    s.capture("code-confirme")
    s.touches("Return")
    enseignant = s.attendre_fenetre(TITRE_ENSEIGNANT)
    s.verifier_titre(enseignant, TITRE_ENSEIGNANT)
    s.attendre_fichier("Code.dat", f'"{CODE}"\r\n'.encode())
    image = s.capture("enseignant")

    # Levels: chat 1 (one click), lune 2 (two clicks), mer none.
    boites = s.boites_niveau(image, len(MOTS))
    for (x, y), clics in zip(boites, (1, 2, 0)):
        for _ in range(clics):
            s.xdo("mousemove", str(x), str(y))
            s.xdo("click", "1")
            time.sleep(0.4)
    image = s.capture("niveaux")
    if s.couleur_autour(image, *boites[0], "#FFFF00") < 0.2:
        raise Echec("the first level box did not turn yellow after one click")
    if s.couleur_autour(image, *boites[1], "#00FFFF") < 0.2:
        raise Echec("the second level box did not turn cyan after two clicks")

    # The pupil list: add Lea.
    s.touches("alt+l")
    time.sleep(0.5)
    s.touches("alt+j")
    s.taper(ELEVE)
    s.capture("saisie-eleve")
    s.touches("Return")
    s.attendre_fichier(ELEVE + ".bil", b"")
    s.capture("liste-eleves")
    s.touches("alt+t")
    s.touches("alt+q")
    s.attendre_disparition(TITRE_ENSEIGNANT)
    s.attendre_fichier("Mots.dat", b'"*","chat","1"\r\n"*","lune","2"\r\n"*","mer",""\r\n')
    fonte = s.attendre_fichier("Fonte.dat")
    if not re.fullmatch(rb'"[^"\r\n]+"\r\n15\.75\r\n', fonte):
        raise Echec(f"Fonte.dat holds {fonte!r}")
    s.capture("retour-principal")

    # The pupil: identification, a right initial test, a wrong one, quit.
    s.focus(principal)
    s.touches("alt+e")
    s.attendre_fenetre(TITRE_ELEVE)
    s.capture("qui-es-tu")
    # Nobody is chosen in advance: the first letters of the name choose it.
    s.taper(ELEVE[:2].lower())
    s.touches("alt+m")
    eleve = s.attendre_fenetre(f"{TITRE_ELEVE} : {ELEVE}")
    s.verifier_titre(eleve, f"{TITRE_ELEVE} : {ELEVE}")
    time.sleep(1.0)
    s.capture("premier-mot")
    s.taper("chat")
    s.touches("Return")
    s.capture("chat-juste")
    s.touches("alt+v")
    time.sleep(1.0)
    s.taper("loune")
    s.touches("Return")
    s.capture("lune-faux")
    s.touches("alt+q")
    s.attendre_disparition(TITRE_ELEVE)
    attendu = octets_bilan([
        ["", "1", aujourdhui, "", "", "", "", "", "", "", "chat"],
        ["", "2", aujourdhui, "lune", "", "", "", "", "", "", ""],
        ["mer", "", aujourdhui, "", "", "", "", "", "", "", ""],
    ])
    s.attendre_fichier(ELEVE + ".bil", attendu)
    s.capture("fin")

    s.focus(principal)
    s.touches("alt+q")
    try:
        s.appli.wait(15)
    except subprocess.TimeoutExpired:
        raise Echec("the program did not end on Alt+Q")
    if s.appli.returncode != 0:
        raise Echec(f"the program ended with code {s.appli.returncode}")


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    manquants = [o for o in ("Xvfb", "xdotool", "import", "convert") if not outil(o)]
    if manquants:
        print("SKIP: missing " + ", ".join(manquants))
        return 77
    programme, sortie = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    shutil.rmtree(sortie, ignore_errors=True)
    s = Seance(programme, sortie)
    try:
        s.demarrer_x()
        s.installer()
        s.lancer()
        parcours(s)
        print("e2e: teacher and pupil visits passed; files checked byte for byte")
        if os.environ.get("ORTHOVAL_E2E_CAPTURES"):  # to look at the run
            shutil.copytree(s.captures, sortie)
        return 0
    except (Echec, subprocess.TimeoutExpired) as e:
        print(f"FAILED at step {s.etape}: {e}")
        try:
            s.capture("echec")
        except Exception:
            pass
        os.makedirs(sortie, exist_ok=True)
        for f in os.listdir(s.captures):
            shutil.copy2(os.path.join(s.captures, f), sortie)
        s.journal.flush()
        shutil.copy2(os.path.join(s.travail, "orthoval.log"), sortie)
        for f in os.listdir(s.installation):
            p = os.path.join(s.installation, f)
            if os.path.isfile(p) and f != "orthoval":
                shutil.copy2(p, os.path.join(sortie, "installation-" + f))
        print(f"screenshots and files in {sortie}")
        return 1
    finally:
        s.arreter()
        shutil.rmtree(s.travail, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
