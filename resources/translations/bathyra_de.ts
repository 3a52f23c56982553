<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Bathyra</name>
    <message>
        <location filename="../bathyra.ui" line="+14"/>
        <source>Bathyra</source>
        <translation>Bathyra</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Load...</source>
        <translation>Laden...</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1944"/>
        <source>Load all model/dive parameters from a *.div file.&lt;br&gt;[Ctrl+L]</source>
        <translation>Alle Modell- und Tauchgangsparameter aus einer *.div-Datei laden.&lt;br&gt;[Ctrl+L]</translation>
    </message>
    <message>
        <location line="-1937"/>
        <source>Save...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1948"/>
        <source>Save all model/dive parameters into a *.div file.&lt;br&gt;[Ctrl+S]</source>
        <translation>Alle Modell- und Tauchgangsparameter in einer *.div-Datei speichern.&lt;br&gt;[Ctrl+S]</translation>
    </message>
    <message>
        <location line="-1941"/>
        <source>Download</source>
        <translation>Auslesen</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1968"/>
        <source>Read configuration (customtext, model, gas, setpoints, and all CFs) from OSTC.</source>
        <translation>Konfiguration (Eigener Text, Modell, Gase, Setpoints und alle CFs) aus dem OSTC lesen.</translation>
    </message>
    <message>
        <location line="-1961"/>
        <source>Edit CF...</source>
        <translation>CF bearbeiten...</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1969"/>
        <source>Edit custom text and all &lt;i&gt;custom functions&lt;/i&gt;.</source>
        <translation>Eigenen Text und alle &lt;i&gt;Custom Functions&lt;/i&gt; bearbeiten.</translation>
    </message>
    <message>
        <location line="-1962"/>
        <source>Upload CF</source>
        <translation>CF schreiben</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1970"/>
        <source>Write configuration (customtext, model, gas, setpoints, and all CFs) to OSTC.</source>
        <translation>Konfiguration (Eigener Text, Modell, Gase, Setpoints und alle CFs) in den OSTC schreiben.</translation>
    </message>
    <message>
        <location line="-1963"/>
        <source> Screen Dump</source>
        <translation> Bildschirmkopie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Download a copy of OSTC screen, and save to disk.</source>
        <translation>Eine Kopie des OSTC-Bildschirms auslesen und speichern.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Upgrade</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Upgrade OSTC firmware.</source>
        <translation>Firmware des OSTC aktualisieren.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Date &amp;&amp; Time</source>
        <translation>Datum &amp;&amp; Zeit</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set OSTC date and time to your computer&apos;s time.</source>
        <translation>Datum und Uhrzeit des OSTC auf die Zeit des Computers stellen.</translation>
    </message>
    <message>
        <location line="+26"/>
        <location line="+1861"/>
        <source>Settings...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <location line="-1854"/>
        <location line="+1970"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="-1967"/>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+1965"/>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <location line="-1958"/>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Decompression Model:</source>
        <translation>Dekompressionsmodell:</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Bühlmann</source>
        <translation>Bühlmann</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sat:</source>
        <translation>Sätt.:</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+32"/>
        <location line="+42"/>
        <location line="+35"/>
        <location line="+106"/>
        <location line="+29"/>
        <location line="+82"/>
        <location line="+29"/>
        <location line="+82"/>
        <location line="+29"/>
        <location line="+82"/>
        <location line="+29"/>
        <location line="+82"/>
        <location line="+29"/>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <location line="-685"/>
        <source>Saturation multiplier (CF11).</source>
        <translation>Sättigungsfaktor (CF11).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Desat:</source>
        <translation>Entsätt.:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Desaturation multiplier (CF12).</source>
        <translation>Entsättigungsfaktor (CF12).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Gradient Factor</source>
        <translation>Gradientenfaktor</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Low:</source>
        <translation>Low:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Gradient factor low (CF32).</source>
        <translation>Gradientenfaktor Low (CF32).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>High:</source>
        <translation>High:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Gradient factor high (CF33).</source>
        <translation>Gradientenfaktor High (CF33).</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>OC</source>
        <translation>OC</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>CCR</source>
        <translation>CCR</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Gas List:</source>
        <translation>Gasliste:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Gas 1</source>
        <translation>Gas 1</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+114"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <source>first</source>
        <translation>erstes</translation>
    </message>
    <message>
        <location line="-437"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <source>O2:</source>
        <translation>O2:</translation>
    </message>
    <message>
        <location line="-415"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <source>He:</source>
        <translation>He:</translation>
    </message>
    <message>
        <location line="-415"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <source>at</source>
        <translation>ab</translation>
    </message>
    <message>
        <location line="-422"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+262"/>
        <location line="+35"/>
        <location line="+306"/>
        <source> m</source>
        <translation> m</translation>
    </message>
    <message>
        <location line="-1040"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <source>MOD: 66m, EAD: ---, END: ---</source>
        <translation>MOD: 66m, EAD: ---, END: ---</translation>
    </message>
    <message>
        <location line="-437"/>
        <source>Gas 2</source>
        <translation>Gas 2</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Gas 3</source>
        <translation>Gas 3</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Gas 4</source>
        <translation>Gas 4</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Gas 5</source>
        <translation>Gas 5</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Gas switch delay:</source>
        <translation>Wartezeit Gaswechsel:</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+293"/>
        <location line="+172"/>
        <location line="+73"/>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <location line="-535"/>
        <location line="+293"/>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <location line="-290"/>
        <source>Time to wait at a gas switch (CF55).</source>
        <translation>Wartezeit bei einem Gaswechsel (CF55).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>CCR Setpoints:</source>
        <translation>CCR-Setpoints:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>SP1:</source>
        <translation>SP1:</translation>
    </message>
    <message>
        <location line="+25"/>
        <location line="+35"/>
        <location line="+35"/>
        <location line="+195"/>
        <source> bar</source>
        <translation> bar</translation>
    </message>
    <message>
        <location line="-255"/>
        <source>SP2:</source>
        <translation>SP2:</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>SP3:</source>
        <translation>SP3:</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Adjust fixed SP (CF39)</source>
        <translation>Festen SP anpassen (CF39)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Dil 21/00, MOD: 40m, EAD: ---, END: ---</source>
        <translation>Dil 21/00, MOD: 40m, EAD: ---, END: ---</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Other OSTC dive settings:</source>
        <translation>Weitere OSTC-Taucheinstellungen:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Deco offset:</source>
        <translation>Deko-Abstand:</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Deco distance (CF16).</source>
        <translation>Deko-Abstand (CF16).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Last stop:</source>
        <translation>Letzter Stopp:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Depth of the last stop (CF29).</source>
        <translation>Tiefe des letzten Stopps (CF29).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Future TTS:</source>
        <translation>Future TTS:</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Time to surface after staying this much longer (CF58).</source>
        <translation>Zeit bis zur Oberfläche, wenn man so viel länger bleibt (CF58).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ppO2 max:</source>
        <translation>ppO2 max:</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Highest ppO2 of a gas, used for its MOD (CF18).</source>
        <translation>Höchster ppO2 eines Gases, bestimmt seine MOD (CF18).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Bottom gas:</source>
        <translation>Grundverbrauch:</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+32"/>
        <source> l/min</source>
        <translation> l/min</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Gas usage at the bottom (CF56).</source>
        <translation>Gasverbrauch am Grund (CF56).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Ascent gas:</source>
        <translation>Aufstiegsverbrauch:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Gas usage during the ascent (CF57).</source>
        <translation>Gasverbrauch während des Aufstiegs (CF57).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Shallowest stop first (CF54)</source>
        <translation>Flachsten Stopp zuerst (CF54)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Dive planning:</source>
        <translation>Tauchgangsplanung:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Interval:</source>
        <translation>Intervall:</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Reset</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Surface interval before this dive; &lt;i&gt;Reset&lt;/i&gt; starts a new dive.</source>
        <translation>Oberflächenpause vor diesem Tauchgang; &lt;i&gt;Neu&lt;/i&gt; beginnt einen neuen Tauchgang.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Surface:</source>
        <translation>Oberfläche:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source> mbar</source>
        <translation> mbar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Atmospheric pressure at the surface.</source>
        <translation>Luftdruck an der Oberfläche.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Bottom time:</source>
        <translation>Grundzeit:</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Depth:</source>
        <translation>Tiefe:</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Ascent:</source>
        <translation>Aufstieg:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source> m/min</source>
        <translation> m/min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ascent speed.</source>
        <translation>Aufstiegsgeschwindigkeit.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Replay mode</source>
        <translation>Wiedergabemodus</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Simulate</source>
        <translation>Simulieren</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Gas volumes</source>
        <translation>Gasmengen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Ascent</source>
        <translation>Aufstieg</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Plan sheet...</source>
        <translation>Planblatt...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The plan with its contingencies (deeper, longer, a gas lost, bail-out) on one printable slate, and the plan files.</source>
        <translation>Der Plan mit seinen Notfallvarianten (tiefer, länger, ein Gas verloren, Bail-out) auf einer druckbaren Tafel, und die Plandateien.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Replay dive</source>
        <translation>Tauchgang abspielen</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Break on stops</source>
        <translation>An Stopps anhalten</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Gas switches</source>
        <translation>Gaswechsel</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Break on gas switch</source>
        <translation>Bei Gaswechsel anhalten</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Setpoint changes</source>
        <translation>Setpoint-Wechsel</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Break on setpoint change</source>
        <translation>Bei Setpoint-Wechsel anhalten</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Recorded ppO2</source>
        <translation>Aufgezeichneter ppO2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Edit profile...</source>
        <translation>Profil bearbeiten...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Run</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Graphic output:</source>
        <translation>Grafische Ausgabe:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Depth</source>
        <translation>Tiefe</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Ceiling</source>
        <translation>Ceiling</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Lead Tissue</source>
        <translation>Leitgewebe</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>GF</source>
        <translation>GF</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ppO2</source>
        <translation>ppO2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>CNS O2</source>
        <translation>CNS O2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Add runtime</source>
        <translation>Runtime hinzufügen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pressure diagram</source>
        <translation>Druckdiagramm</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear profile</source>
        <translation>Profil löschen</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;OSTC</source>
        <translation>&amp;OSTC</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Planning</source>
        <translation>&amp;Planung</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>&amp;Load...</source>
        <translation>&amp;Laden...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Download</source>
        <translation>&amp;Auslesen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Edit CF...</source>
        <translation>CF &amp;bearbeiten...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Upload CF</source>
        <translation>CF &amp;schreiben</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Set Date &amp;&amp; Time</source>
        <translation>Datum &amp;&amp; Zeit setzen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set OSTC Date and Time.</source>
        <translation>Datum und Uhrzeit des OSTC setzen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Simulate</source>
        <translation>&amp;Simulieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1. Make a time/depth simulation segment.</source>
        <translation>1. Einen Zeit/Tiefe-Abschnitt simulieren.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Gas &amp;volumes</source>
        <translation>Gas&amp;mengen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>2. Recompute decoplaning from here, and evaluate gas consumptions for each tank.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt;: You can change gas list and test different runtimes.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt;: In CCR mode, switch to BAILOUT escape runtime, hence &lt;i&gt;Add runtime&lt;/i&gt; will now plot bailout escape decoplaning.</source>
        <translation>2. Dekompressionsplan ab hier neu berechnen und den Gasverbrauch jeder Flasche ermitteln.&lt;br&gt;&lt;b&gt;Hinweis&lt;/b&gt;: Die Gasliste kann geändert werden, um verschiedene Runtimes zu testen.&lt;br&gt;&lt;b&gt;Hinweis&lt;/b&gt;: Im CCR-Modus wird auf die BAILOUT-Runtime umgeschaltet; &lt;i&gt;Runtime hinzufügen&lt;/i&gt; zeichnet dann den Bailout-Dekoplan.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Ascent</source>
        <translation>&amp;Aufstieg</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>3. Simulate an automatic ascent, obeying dynamically recomputed stops and gas changes.</source>
        <translation>3. Einen automatischen Aufstieg simulieren, der die laufend neu berechneten Stopps und Gaswechsel einhält.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Add &amp;runtime</source>
        <translation>&amp;Runtime hinzufügen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add instant decoplan runtime to diagram (should be done after a &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Gas Volumes&lt;/i&gt;).</source>
        <translation>Aktuellen Dekoplan als Runtime ins Diagramm eintragen (nach &lt;i&gt;Simulieren&lt;/i&gt; oder &lt;i&gt;Gasmengen&lt;/i&gt;).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Clear profile</source>
        <translation>Profil &amp;löschen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove all curves from dive profile.</source>
        <translation>Alle Kurven aus dem Tauchprofil entfernen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Plan &amp;sheet...</source>
        <translation>Plan&amp;blatt...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The plan with its contingencies on one printable slate, and the plan files.</source>
        <translation>Der Plan mit seinen Notfallvarianten auf einer druckbaren Tafel, und die Plandateien.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pressure &amp;diagram</source>
        <translation>&amp;Druckdiagramm</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Plot tissues N2+He tensions during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt; in a separated window.</source>
        <translation>Gewebespannungen N2+He während &lt;i&gt;Simulieren&lt;/i&gt; oder &lt;i&gt;Aufstieg&lt;/i&gt; in einem eigenen Fenster zeichnen.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Check updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Check for new Bathyra and firmware updates.</source>
        <translation>Nach neuen Versionen von Bathyra und der Firmware suchen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Run script...</source>
        <translation>Skript ausführen...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Run an &lt;i&gt;Bathyra&lt;/i&gt;&apos;s script.</source>
        <translation>Ein &lt;i&gt;Bathyra&lt;/i&gt;-Skript ausführen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Run all tests...</source>
        <translation>Alle Tests ausführen...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Run all validation tests, and save HTML reports.</source>
        <translation>Alle Validierungstests ausführen und HTML-Berichte speichern.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Stop script</source>
        <translation>Skript anhalten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stop the running script or tests.</source>
        <translation>Das laufende Skript oder die Tests anhalten.</translation>
    </message>
</context>
<context>
    <name>BathyraApplication</name>
    <message>
        <location filename="../../app/application.cpp" line="+35"/>
        <source>Unhandled exception: %1</source>
        <comment>Console</comment>
        <translation>Unbehandelte Ausnahme: %1</translation>
    </message>
</context>
<context>
    <name>Bathyra_Interface</name>
    <message>
        <location filename="../../planner/dive_parameters.cpp" line="+175"/>
        <source>MOD:%1m, EAD:---, END:---</source>
        <comment>gas</comment>
        <translation>MOD:%1m, EAD:---, END:---</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MOD:%1m, EAD:%2m, END:%3m</source>
        <comment>gas</comment>
        <translation>MOD:%1m, EAD:%2m, END:%3m</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Dil:%1/%2, CCR max depth:%3m, EAD:%4m, END:%5m</source>
        <translation>Dil:%1/%2, CCR-Maximaltiefe:%3m, EAD:%4m, END:%5m</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dil:%1/%2, CCR max depth:%3m, EAD:---, END:---</source>
        <translation>Dil:%1/%2, CCR-Maximaltiefe:%3m, EAD:---, END:---</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>HYPOXIA: won&apos;t simulate with ppO2 &amp;le; 0.15 bar</source>
        <translation>HYPOXIE: keine Simulation mit ppO2 &amp;le; 0.15 bar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BAD MIX: N2 ration should be in 0 .. 95%</source>
        <translation>FALSCHES GEMISCH: N2-Anteil muss zwischen 0 und 95% liegen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BAD MIX: He ration should be in 0 .. 95%</source>
        <translation>FALSCHES GEMISCH: He-Anteil muss zwischen 0 und 95% liegen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BAD MIX: N2+He ratio should be less than 100%</source>
        <translation>FALSCHES GEMISCH: N2+He muss unter 100% liegen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NARCOSIS: won&apos;t simulate with ppN2 &amp;ge; 14 bar</source>
        <translation>NARKOSE: keine Simulation mit ppN2 &amp;ge; 14 bar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>HPNS: won&apos;t simulate with ppHe &amp;ge; 14 bar</source>
        <translation>HPNS: keine Simulation mit ppHe &amp;ge; 14 bar</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_device.cpp" line="+79"/>
        <source>FAILED</source>
        <translation>FEHLGESCHLAGEN</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_interface.cpp" line="+146"/>
        <source>Load dive parameters...</source>
        <translation>Tauchgangsparameter laden...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+37"/>
        <source>Dives params (*.div)</source>
        <comment>file format</comment>
        <translation>Tauchgangsparameter (*.div)</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Cannot open %1: no readable file</source>
        <translation>%1 kann nicht geöffnet werden: keine lesbare Datei</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Save all parameters...</source>
        <comment>Save .div</comment>
        <translation>Alle Parameter speichern...</translation>
    </message>
    <message>
        <location line="+66"/>
        <location line="+72"/>
        <source>Bathyra help</source>
        <translation>Bathyra-Hilfe</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>&lt;font size=&apos;+3&apos;&gt;&lt;i&gt;Bathyra&lt;/i&gt;&lt;/font&gt; &lt;i&gt;v%1%2 - OSTC firmware %3.%4%5&lt;/i&gt;&lt;br&gt;</source>
        <translation>&lt;font size=&apos;+3&apos;&gt;&lt;i&gt;Bathyra&lt;/i&gt;&lt;/font&gt; &lt;i&gt;v%1%2 - OSTC-Firmware %3.%4%5&lt;/i&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;i&gt;Bathyra&lt;/i&gt; software purposes is:&lt;ul&gt;&lt;li&gt;To play with and understand the decompression parameters of your &lt;i&gt;OSTC&lt;/i&gt; computer (model, gradient factors, switch depth, etc.).&lt;li&gt;To plot simulated dive profiles and compare several configurations (gas mix, deco tanks, setpoints, stops, etc.)&lt;li&gt;To check the &lt;i&gt;OSTC&lt;/i&gt; by comparing its results to other deco softwares.&lt;li&gt;To backup, edit and restore your &lt;i&gt;OSTC&lt;/i&gt; computer configurations.&lt;/ul&gt;</source>
        <translation>&lt;i&gt;Bathyra&lt;/i&gt; dient dazu:&lt;ul&gt;&lt;li&gt;die Dekompressionsparameter Ihres &lt;i&gt;OSTC&lt;/i&gt; auszuprobieren und zu verstehen (Modell, Gradientenfaktoren, Wechseltiefen usw.);&lt;li&gt;simulierte Tauchprofile zu zeichnen und Konfigurationen zu vergleichen (Gasmix, Dekoflaschen, Setpoints, Stopps usw.);&lt;li&gt;den &lt;i&gt;OSTC&lt;/i&gt; zu prüfen, indem seine Ergebnisse mit anderer Deko-Software verglichen werden;&lt;li&gt;die Konfiguration Ihres &lt;i&gt;OSTC&lt;/i&gt; zu sichern, zu bearbeiten und wiederherzustellen.&lt;/ul&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The Bathyra developers. Free software under the GNU General Public License, version 3 or later (%1), without any warranty. Built with Qt (%2) and Qwt (%3).</source>
        <translation>Die Bathyra-Entwickler. Freie Software unter der GNU General Public License, Version 3 oder später (%1), ohne jede Gewährleistung. Erstellt mit Qt (%2) und Qwt (%3).</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_parameters.cpp" line="+178"/>
        <source>CF%1 (%2): %3 is beyond the planner&apos;s range, %4 is used.</source>
        <translation>CF%1 (%2): %3 liegt außerhalb des Bereichs des Planers, %4 wird verwendet.</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_interface.cpp" line="-81"/>
        <location filename="../../app/bathyra_parameters.cpp" line="+109"/>
        <source>Parameters not saved: %1</source>
        <translation>Parameter nicht gespeichert: %1</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_script.cpp" line="+175"/>
        <source>Run Script...</source>
        <translation>Skript ausführen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bathyra Script (*.qs *.js)</source>
        <comment>scrit format</comment>
        <translation>Bathyra-Skript (*.qs *.js)</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_plan_tools.cpp" line="+18"/>
        <source>Longest bottom time...</source>
        <translation>Längste Grundzeit...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Compare plans...</source>
        <translation>Pläne vergleichen...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Plan against log...</source>
        <translation>Plan gegen Log...</translation>
    </message>
</context>
<context>
    <name>BottomTimeSolver</name>
    <message>
        <location filename="../../planner/bottom_time_solver.cpp" line="+17"/>
        <source>no decompression</source>
        <translation>keine Dekompression</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>runtime ≤ %1 min</source>
        <translation>Laufzeit ≤ %1 min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>TTS ≤ %1 min</source>
        <translation>TTS ≤ %1 min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>total stop time ≤ %1 min</source>
        <translation>Gesamte Stoppzeit ≤ %1 min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>every cylinder within the reserve rule</source>
        <translation>jede Flasche innerhalb der Reserveregel</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>no bottom time meets the target %1</source>
        <translation>keine Grundzeit erfüllt das Ziel %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>longest bottom time: %1 min or more for %2</source>
        <translation>längste Grundzeit: %1 min oder mehr für %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>longest bottom time: %1 min for %2</source>
        <translation>längste Grundzeit: %1 min für %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The reserve target needs a cylinder (size and fill) for a gas of the plan</source>
        <translation>Das Ziel der Reserveregel braucht eine Flasche (Größe und Fülldruck) für ein Gas des Plans</translation>
    </message>
</context>
<context>
    <name>CF menu (15 char max)</name>
    <message>
        <location filename="../../device/cf_table.cpp" line="+18"/>
        <source>unused</source>
        <translation>unbenutzt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Start Dive [m]</source>
        <translation>TG-Beginn [m]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End Dive [m]</source>
        <translation>TG-Ende [m]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End Delay [sec]</source>
        <translation>Endverzög.[s]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power Off [min]</source>
        <translation>Abschalten[min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pre-menu [min]</source>
        <translation>Vormenü [min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>velocity[m/min]</source>
        <translation>Geschw.[m/min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wake-up  [mbar]</source>
        <translation>Aufwachen[mbar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>max.Surf.[mbar]</source>
        <translation>max.Oberf[mbar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF display [%]</source>
        <translation>GF-Anzeige [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>min. O2 Dis.[%]</source>
        <translation>min. O2-Anz.[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dive menus[min]</source>
        <translation>TG-Menüs [min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saturate x [%]</source>
        <translation>Sättigung x[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Desaturate x[%]</source>
        <translation>Entsättig. x[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NoFly Ratio [%]</source>
        <translation>Flugverbot [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF alarm 1 [%]</source>
        <translation>GF-Alarm 1 [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CNSshow surf[%]</source>
        <translation>CNS-Anz.Obf[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deco Offset [m]</source>
        <translation>Deko-Abst. [m]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ppO2 low [bar]</source>
        <translation>ppO2 min [bar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ppO2 high [bar]</source>
        <translation>ppO2 max [bar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ppO2 show [bar]</source>
        <translation>ppO2 Anz. [bar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sampling rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor Temp</source>
        <translation>Teiler Temp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor Decodat</source>
        <translation>Teiler Dekodat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor GF</source>
        <translation>Teiler GF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor ppO2</source>
        <translation>Teiler ppO2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor Debug</source>
        <translation>Teiler Debug</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor CNS</source>
        <translation>Teiler CNS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CNSshow dive[%]</source>
        <translation>CNS-Anz. TG[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Logbook offset</source>
        <translation>Logbuch-Offset</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last Deco at[m]</source>
        <translation>Letzte Deko[m]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End Apnoe [h]</source>
        <translation>Ende Apnoe [h]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Batt.Volts</source>
        <translation>Batt.-Spannung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF Low [%]</source>
        <translation>GF Low [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF High [%]</source>
        <translation>GF High [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color# Battery </source>
        <translation>Farbe# Batterie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color# Standard</source>
        <translation>Farbe# Standard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color# Divemask</source>
        <translation>Farbe# TG-Maske</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color# Warnings</source>
        <translation>Farbe# Warnung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divemode secs. </source>
        <translation>TG-Modus Sek.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adjust fixed SP</source>
        <translation>Festen SP anp.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warn Ceiling</source>
        <translation>Warnung Ceiling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mix type icons</source>
        <translation>Gemisch-Symbole</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blink BetterGas</source>
        <translation>Blink. bess.Gas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DepthWarn[mbar]</source>
        <translation>Tiefenw. [mbar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CNS warning [%]</source>
        <translation>CNS-Warnung [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF warning [%]</source>
        <translation>GF-Warnung [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ppO2 warn [bar]</source>
        <translation>ppO2 Warn.[bar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vel.warn[m/min]</source>
        <translation>Geschw.W[m/min]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time offset/day</source>
        <translation>Zeitkorr./Tag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show altimeter</source>
        <translation>Höhenmesser</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Log-Marker</source>
        <translation>Log-Markierung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Stopwatch</source>
        <translation>Stoppuhr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ShowTissueGraph</source>
        <translation>Gewebegrafik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Lead.Tiss.</source>
        <translation>Leitgewebe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ShallowStop 1st</source>
        <translation>Flachstopp 1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gas switch[min]</source>
        <translation>Gaswechsel[min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BottomGas[/min]</source>
        <translation>Grundgas[l/min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AscentGas[/min]</source>
        <translation>Aufst.gas[/min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Future TTS[min]</source>
        <translation>Future TTS[min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cave Bail Alarm</source>
        <translation>Höhlen-Bailout</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Graph. Velocity</source>
        <translation>Grafik Geschw.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show pSCR ppO2</source>
        <translation>pSCR-ppO2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pSCR O2 Drop[%]</source>
        <translation>pSCR O2-Abfall%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pSCR lung ratio</source>
        <translation>pSCR Lungenverh</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color# inactive</source>
        <translation>Farbe# inaktiv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use safety stop</source>
        <translation>Sicherh.-Stopp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show GF in NDL</source>
        <translation>GF bei NDL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt. GF Low [%]</source>
        <translation>Alt. GF Low [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt. GF High[%]</source>
        <translation>Alt. GF High[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allow GF change</source>
        <translation>GF-Wechsel erl.</translation>
    </message>
</context>
<context>
    <name>CF_Editor_Dialog</name>
    <message>
        <location filename="../../cfeditor/cf_editor.ui" line="+6"/>
        <source>Edit Custom Functions</source>
        <translation>Custom Functions bearbeiten</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Custom Functions I</source>
        <translation>Custom Functions I</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Custom Functions II</source>
        <translation>Custom Functions II</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Custom Functions III</source>
        <translation>Custom Functions III</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Custom text:</source>
        <translation>Eigener Text:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Text shown by the OSTC on its surface screen (at most 25 characters).</source>
        <translation>Text, den der OSTC an der Oberfläche auf seinem Bildschirm zeigt (höchstens 25 Zeichen).</translation>
    </message>
</context>
<context>
    <name>CF_Editor_Interface</name>
    <message>
        <location filename="../../cfeditor/cf_editor.cpp" line="+245"/>
        <source>value %1 is kept: it cannot be shown here</source>
        <translation>Wert %1 bleibt erhalten: er kann hier nicht angezeigt werden</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>OSTC &lt;i&gt;serial not loaded&lt;/i&gt;</source>
        <comment>EEPROM</comment>
        <translation>OSTC &lt;i&gt;Seriennummer nicht geladen&lt;/i&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OSTC %1 V%2.%3</source>
        <translation>OSTC %1 V%2.%3</translation>
    </message>
</context>
<context>
    <name>ColorPicker</name>
    <message>
        <location filename="../../cfeditor/color_picker.cpp" line="+60"/>
        <source>Choose color</source>
        <comment>CF color</comment>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Click to change color</source>
        <comment>CF color</comment>
        <translation>Klicken, um die Farbe zu ändern</translation>
    </message>
</context>
<context>
    <name>ConfigImage</name>
    <message>
        <location filename="../../device/cf_table.cpp" line="+40"/>
        <source>No custom function CF%1</source>
        <translation>Keine Custom Function CF%1</translation>
    </message>
    <message>
        <location filename="../../device/config_image.cpp" line="+92"/>
        <source>Configuration image must be %1 bytes, got %2</source>
        <translation>Das Konfigurationsabbild muss %1 Bytes haben, erhalten: %2</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>No configuration bank %1</source>
        <translation>Keine Konfigurationsbank %1</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Configuration bank %1 must be %2 bytes, got %3</source>
        <translation>Konfigurationsbank %1 muss %2 Bytes haben, erhalten: %3</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+7"/>
        <source>Configuration image offset %1 out of range</source>
        <translation>Offset %1 außerhalb des Konfigurationsabbilds</translation>
    </message>
    <message>
        <location line="+73"/>
        <location line="+4"/>
        <source>value %1, min %2</source>
        <translation>Wert %1, min %2</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>value %1 %, min %2 %</source>
        <translation>Wert %1 %, min %2 %</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>value %1, max %2 %</source>
        <translation>Wert %1, max %2 %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>value %1, max %2</source>
        <translation>Wert %1, max %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>EEPROM: bad serial</source>
        <translation>EEPROM: ungültige Seriennummer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EEPROM: bad firmware version</source>
        <translation>EEPROM: ungültige Firmware-Version</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EEPROM: bad deco type</source>
        <translation>EEPROM: ungültiger Deko-Typ</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Bad CF settings:</source>
        <translation>Ungültige CF-Einstellungen:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Battery: bad min tp %1°C</source>
        <translation>Batterie: ungültige Min.-Temp. %1°C</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Battery: bad max tp %1°C</source>
        <translation>Batterie: ungültige Max.-Temp. %1°C</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Battery: bad min/max tp %1°C %2°C</source>
        <translation>Batterie: ungültige Min./Max.-Temp. %1°C %2°C</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Battery: bad low %1 volt</source>
        <translation>Batterie: ungültige Mindestspannung %1 Volt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Battery: bad cycle count %1</source>
        <translation>Batterie: ungültige Zyklenzahl %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Battery: bad total cycle count %1</source>
        <translation>Batterie: ungültige Gesamtzyklenzahl %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Battery: no last charge date</source>
        <translation>Batterie: kein Datum der letzten Ladung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Battery: bad last charge date</source>
        <translation>Batterie: ungültiges Datum der letzten Ladung</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Battery: bad date</source>
        <translation>Batterie: ungültiges Datum</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <location filename="../../profiles/logbook_files.cpp" line="+49"/>
        <source>Unsupported XML format (neither DivingLog or Shearwater)</source>
        <translation>Nicht unterstütztes XML-Format (weder DivingLog noch Shearwater)</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Cannot open profile.</source>
        <translation>Profil kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>its root element is not &lt;%1&gt;</source>
        <translation>sein Wurzelelement ist nicht &lt;%1&gt;</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Unknown file format.</source>
        <translation>Unbekanntes Dateiformat.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cannot load profile.</source>
        <translation>Profil kann nicht geladen werden.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot load profile: no sample of &apos;%1&apos; has a depth.</source>
        <translation>Profil kann nicht geladen werden: kein Messpunkt von &apos;%1&apos; hat eine Tiefe.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot load profile: all %1 samples of &apos;%2&apos; are at one time.</source>
        <translation>Profil kann nicht geladen werden: alle %1 Messpunkte von &apos;%2&apos; liegen zur selben Zeit.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Unknown save file format</source>
        <translation>Unbekanntes Format zum Speichern</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot save profile.</source>
        <translation>Profil kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <location filename="../../profiles/profile_readers.cpp" line="+134"/>
        <source>Sample time %1 s is not a dive time.</source>
        <translation>Messzeit %1 s ist keine gültige Tauchzeit.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sample depth %1 m at %2 s is not a depth.</source>
        <translation>Messtiefe %1 m bei %2 s ist keine gültige Tiefe.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>elements nested more than %1 deep</source>
        <translation>Elemente tiefer als %1 Ebenen verschachtelt</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Reading DivingLog XML format</source>
        <translation>Lese DivingLog-XML-Format</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Profile depths in feet (deepest %1 ft, the dive&apos;s maximum depth %2 m): converted to metres.</source>
        <translation>Profiltiefen in Fuß (tiefste %1 ft, Maximaltiefe des Tauchgangs %2 m): in Meter umgerechnet.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Profile depths reach %1 m but the dive&apos;s maximum depth is %2 m: the depths are read as metres.</source>
        <translation>Die Profiltiefen erreichen %1 m, die Maximaltiefe des Tauchgangs ist aber %2 m: die Tiefen werden als Meter gelesen.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Reading Shearwater XML format</source>
        <translation>Lese Shearwater-XML-Format</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dive starting: %1</source>
        <translation>Tauchgangsbeginn: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Setpoints not recorded.</source>
        <translation>Setpoints nicht aufgezeichnet.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Using SP#1 as SP_low=%1, SP#2 as SP_high=%2</source>
        <translation> Verwende SP#1 als SP_low=%1, SP#2 als SP_high=%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> Using SP_low=%1, SP_high=%2</source>
        <translation> Verwende SP_low=%1, SP_high=%2</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Recorded ppO2 %1 bar at %2 s is not a ppO2.</source>
        <translation>Aufgezeichneter ppO2 %1 bar bei %2 s ist kein gültiger ppO2.</translation>
    </message>
    <message>
        <location filename="../../profiles/uddf_formats.cpp" line="+147"/>
        <source>This is a CCR dive.</source>
        <translation>Dies ist ein CCR-Tauchgang.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>This is an OC dive.</source>
        <translation>Dies ist ein OC-Tauchgang.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Unknown OC/CCR mode.</source>
        <translation>Unbekannter OC/CCR-Modus.</translation>
    </message>
    <message>
        <location line="+45"/>
        <location line="+160"/>
        <source>Mix %1 is not a breathable mix.</source>
        <translation>Gemisch %1 ist nicht atembar.</translation>
    </message>
    <message>
        <location line="-121"/>
        <source>Setpoint %1 Pa at %2 s is not a setpoint.</source>
        <translation>Setpoint %1 Pa bei %2 s ist kein gültiger Setpoint.</translation>
    </message>
</context>
<context>
    <name>Decoplan</name>
    <message>
        <location filename="../../planner/decoplan.cpp" line="+62"/>
        <source>GF %1/%2</source>
        <translation>GF %1/%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bh %1%/%2%</source>
        <translation>Bh %1%/%2%</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>SP %1</source>
        <translation>SP %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Gas#%1</source>
        <translation>Gas#%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SWITCH Gas#%1 -&gt; Gas#%2</source>
        <translation>WECHSEL Gas#%1 -&gt; Gas#%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source> at %1m</source>
        <comment>gaz switch</comment>
        <translation> auf %1m</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>BAILOUT Gas#%1</source>
        <translation>BAILOUT Gas#%1</translation>
    </message>
</context>
<context>
    <name>HexImage</name>
    <message>
        <location filename="../../device/hex_image.cpp" line="+54"/>
        <source>Bad HEX format</source>
        <translation>Ungültiges HEX-Format</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Bad HEX checksum</source>
        <translation>Ungültige HEX-Prüfsumme</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Bad HEX record length</source>
        <translation>Falsche Länge eines HEX-Datensatzes</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>BAD HEX address</source>
        <translation>UNGÜLTIGE HEX-Adresse</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Double write</source>
        <translation>Doppelt beschrieben</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Bad HEX Segment Address record</source>
        <translation>Ungültiger HEX-Datensatz Segment Address</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bad HEX Extended Linear Address Record</source>
        <translation>Ungültiger HEX-Datensatz Extended Linear Address</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Bad HEX subtype</source>
        <translation>Ungültiger HEX-Untertyp</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1KB loaded (%2% of firmware area)</source>
        <translation>%1 KB geladen (%2% des Firmware-Bereichs)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 (line %2)</source>
        <translation>%1 (Zeile %2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Missing HEX end-of-file record</source>
        <translation>HEX-Dateiende-Datensatz fehlt</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Can&apos;t open HEX file</source>
        <translation>HEX-Datei kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>LogCheck</name>
    <message>
        <location filename="../../planner/log_check.cpp" line="+24"/>
        <source>%1: plan %2 %5, log %3 %5 (%4)</source>
        <translation>%1: Plan %2 %5, Log %3 %5 (%4)</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>The log holds no dive: no depth below the surface</source>
        <translation>Das Log enthält keinen Tauchgang: keine Tiefe unter der Oberfläche</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>max depth</source>
        <translation>Maximaltiefe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>bottom time</source>
        <translation>Grundzeit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>runtime</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>total stop time</source>
        <translation>Gesamte Stoppzeit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TTS at the end of the bottom</source>
        <translation>TTS am Ende der Grundzeit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CNS</source>
        <translation>CNS</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ceiling kept during the whole dive</source>
        <translation>Ceiling während des ganzen Tauchgangs eingehalten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>above the ceiling from %1 to %2 min, worst %3 m above it</source>
        <translation>über dem Ceiling von %1 bis %2 min, höchstens %3 m darüber</translation>
    </message>
</context>
<context>
    <name>LogCheckInterface</name>
    <message>
        <location filename="../../app/log_check_window.cpp" line="+41"/>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No parameter file %1</source>
        <translation>Keine Parameterdatei %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Logbook files (*.xml *.uddf *.udcf);;All files (*)</source>
        <translation>Logbuchdateien (*.xml *.uddf *.udcf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dive parameters (*.div);;All files (*)</source>
        <translation>Tauchparameter (*.div);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Current configuration</source>
        <translation>Aktuelle Konfiguration</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+1"/>
        <source>Parameter file</source>
        <translation>Parameterdatei</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Read from the computer</source>
        <translation>Vom Computer gelesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current parameters</source>
        <translation>Aktuelle Parameter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Logged dive:</source>
        <translation>Geloggter Tauchgang:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Dived with:</source>
        <translation>Getaucht mit:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Planned as:</source>
        <translation>Geplant als:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Another command is running</source>
        <translation>Ein anderer Befehl läuft gerade</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The configuration was not read from the computer: %1</source>
        <translation>Die Konfiguration wurde nicht vom Computer gelesen: %1</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>log %1</source>
        <translation>Log %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ceiling of the log</source>
        <translation>Ceiling des Logs</translation>
    </message>
</context>
<context>
    <name>OstcProtocol</name>
    <message>
        <location filename="../../device/ostc_protocol.cpp" line="+122"/>
        <source>bank %1, write command: %2</source>
        <translation>Bank %1, Schreibbefehl: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bank %1, byte %2: %3</source>
        <translation>Bank %1, Byte %2: %3</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Can&apos;t validate EEPROM contains</source>
        <translation>EEPROM-Inhalt kann nicht bestätigt werden</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>CFI...</source>
        <translation>CFI...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CFI done.</source>
        <translation>CFI fertig.</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>CFII...</source>
        <translation>CFII...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CFII done.</source>
        <translation>CFII fertig.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>CFIII...</source>
        <translation>CFIII...</translation>
    </message>
    <message>
        <location line="-68"/>
        <source>no answer from the computer</source>
        <translation>keine Antwort vom Computer</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Downloading OSTC configuration (%1)</source>
        <translation>Lese OSTC-Konfiguration (%1)</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>CFIII done.</source>
        <translation>CFIII fertig.</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Readback differ</source>
        <translation>Rücklesen weicht ab</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Uploading OSTC configuration (%1)</source>
        <translation>OSTC-Konfiguration wird hochgeladen (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Upload failed; writing back the computer&apos;s previous configuration...</source>
        <translation>Hochladen fehlgeschlagen; die vorherige Konfiguration des Computers wird zurückgeschrieben...</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The computer holds its previous configuration again.</source>
        <translation>Der Computer hat wieder seine vorherige Konfiguration.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bank 0 may be partly written.</source>
        <translation>Bank 0 ist möglicherweise nur teilweise geschrieben.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Banks 0 to %1 are new, bank %2 may be partly written.</source>
        <translation>Bänke 0 bis %1 sind neu, Bank %2 ist möglicherweise nur teilweise geschrieben.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The previous configuration could not be written back: %1 Upload again, or upload the backup.</source>
        <translation>Die vorherige Konfiguration konnte nicht zurückgeschrieben werden: %1 Erneut hochladen oder die Sicherung hochladen.</translation>
    </message>
    <message>
        <location line="+42"/>
        <location line="+8"/>
        <source>Sync failed (%1)</source>
        <translation>Synchronisation fehlgeschlagen (%1)</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Dump screen failed (%1)</source>
        <translation>Bildschirmkopie fehlgeschlagen (%1)</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Screen dumped.</source>
        <translation>Bildschirm kopiert.</translation>
    </message>
    <message>
        <location line="+46"/>
        <location line="+24"/>
        <source>Write failed</source>
        <translation>Schreiben fehlgeschlagen</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Bad checksum at 0x%1</source>
        <translation>Ungültige Prüfsumme bei 0x%1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Cannot start firmware upgrade</source>
        <translation>Firmware-Update kann nicht gestartet werden</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cannot sync firmware upgrade</source>
        <translation>Firmware-Update kann nicht synchronisiert werden</translation>
    </message>
</context>
<context>
    <name>PlanComparison</name>
    <message>
        <location filename="../../planner/plan_comparison.cpp" line="+185"/>
        <source>runtime (min)</source>
        <translation>Laufzeit (min)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>TTS (min)</source>
        <translation>TTS (min)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>first stop (m)</source>
        <translation>erster Stopp (m)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>total stop time (min)</source>
        <translation>Gesamte Stoppzeit (min)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CNS (%)</source>
        <translation>CNS (%)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>max ppO2 (bar)</source>
        <translation>max. ppO2 (bar)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 (litres)</source>
        <translation>%1 (Liter)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 (bar)</source>
        <translation>%1 (bar)</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>figure</source>
        <translation>Kennzahl</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <location filename="../../app/plan_plot.cpp" line="+44"/>
        <source>%1 ceiling</source>
        <translation>%1 Ceiling</translation>
    </message>
    <message>
        <location filename="../../cli/plan_tool_steps.cpp" line="+41"/>
        <source>plans: %1</source>
        <translation>Pläne: %1</translation>
    </message>
</context>
<context>
    <name>PlanComparisonInterface</name>
    <message>
        <location filename="../../app/plan_comparison_window.cpp" line="+66"/>
        <source>Add current plan</source>
        <translation>Aktuellen Plan hinzufügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add log...</source>
        <translation>Log hinzufügen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rename...</source>
        <translation>Umbenennen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make current</source>
        <translation>Zum aktuellen machen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export PDF...</source>
        <translation>PDF exportieren...</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Add a logged dive</source>
        <translation>Geloggten Tauchgang hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Logbook files (*.xml *.uddf *.udcf);;All files (*)</source>
        <translation>Logbuchdateien (*.xml *.uddf *.udcf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Rename plan</source>
        <translation>Plan umbenennen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Export the comparison</source>
        <translation>Vergleich exportieren</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>PlanPlot</name>
    <message>
        <location filename="../../app/plan_plot.cpp" line="-28"/>
        <source>time (min)</source>
        <translation>Zeit (min)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>depth (m)</source>
        <translation>Tiefe (m)</translation>
    </message>
</context>
<context>
    <name>PlanSheetInterface</name>
    <message>
        <location filename="../../app/plan_sheet.cpp" line="+152"/>
        <location line="+163"/>
        <source>Plan sheet</source>
        <comment>Window Title</comment>
        <translation>Planblatt</translation>
    </message>
    <message>
        <location line="-162"/>
        <source>Deeper by (m):</source>
        <translation>Tiefer um (m):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longer by (min):</source>
        <translation>Länger um (min):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cylinder (l)</source>
        <translation>Flasche (l)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fill (bar)</source>
        <translation>Füllung (bar)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reserve rule:</source>
        <translation>Reserveregel:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slate page:</source>
        <translation>Tafelformat:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contingencies (bar used in red and marked &quot;!&quot; where the reserve rule breaks):</source>
        <translation>Notfallvarianten (verbrauchte bar in Rot und mit &quot;!&quot; markiert, wo die Reserveregel verletzt ist):</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+127"/>
        <source>Save slate...</source>
        <translation>Tafel speichern...</translation>
    </message>
    <message>
        <location line="-126"/>
        <location line="+133"/>
        <source>Save plan file...</source>
        <translation>Plandatei speichern...</translation>
    </message>
    <message>
        <location line="-88"/>
        <source>Gas %1 (%2):</source>
        <translation>Gas %1 (%2):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gas %1 (off):</source>
        <translation>Gas %1 (aus):</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Variant</source>
        <translation>Variante</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Runtime (min)</source>
        <translation>Laufzeit (min)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TTS (min)</source>
        <translation>TTS (min)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>First stop (m)</source>
        <translation>Erster Stopp (m)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stops (min)</source>
        <translation>Stopps (min)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CNS (%)</source>
        <translation>CNS (%)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max ppO2 (bar)</source>
        <translation>Max. ppO2 (bar)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 (l)</source>
        <translation>%1 (l)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (bar)</source>
        <translation>%1 (bar)</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Slates (*.pdf *.svg *.png)</source>
        <comment>file format</comment>
        <translation>Tafeln (*.pdf *.svg *.png)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Plan files (*.json *.csv)</source>
        <comment>file format</comment>
        <translation>Plandateien (*.json *.csv)</translation>
    </message>
</context>
<context>
    <name>PlotDialog</name>
    <message>
        <location filename="../plot_dialog.ui" line="+14"/>
        <source>Plot</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Save image...</source>
        <translation>Bild speichern...</translation>
    </message>
</context>
<context>
    <name>PlotInterface</name>
    <message>
        <location filename="../../plot/plot_export.cpp" line="+31"/>
        <source>Jpeg image</source>
        <comment>file format</comment>
        <translation>JPEG-Bild</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PNG image</source>
        <comment>file format</comment>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TIFF image</source>
        <comment>file format</comment>
        <translation>TIFF-Bild</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF file</source>
        <comment>file format</comment>
        <translation>PDF-Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SVG file</source>
        <comment>file format</comment>
        <translation>SVG-Datei</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>No image file name: &quot;%1&quot;</source>
        <comment>Save plot as image</comment>
        <translation>Kein Bilddateiname: &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>the PDF could not be made in %1</source>
        <translation>das PDF konnte in %1 nicht erstellt werden</translation>
    </message>
    <message>
        <location filename="../../plot/plot_curves.cpp" line="+205"/>
        <source>GF_low</source>
        <comment>Plot label</comment>
        <translation>GF_low</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF_high</source>
        <comment>Plot label</comment>
        <translation>GF_high</translation>
    </message>
    <message>
        <location line="+127"/>
        <source>Setpoint:%1</source>
        <comment>Plot label</comment>
        <translation>Setpoint:%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../plot/plot_interface.cpp" line="+467"/>
        <location filename="../../plot/plot_tissues.cpp" line="+120"/>
        <source>Gas%1:</source>
        <comment>Plot label</comment>
        <translation>Gas%1:</translation>
    </message>
    <message>
        <location filename="../../planner/run_plot.cpp" line="+14"/>
        <source>depth</source>
        <comment>Plot legend</comment>
        <translation>Tiefe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ceiling</source>
        <comment>Plot legend</comment>
        <translation>Ceiling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>leading tissue</source>
        <comment>Plot axis</comment>
        <translation>Leitgewebe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF</source>
        <comment>Plot legend</comment>
        <translation>GF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ppO2</source>
        <comment>Plot legend</comment>
        <translation>ppO2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CNS</source>
        <comment>Plot legend</comment>
        <translation>CNS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NDL/Stop</source>
        <comment>Plot legend</comment>
        <translation>NDL/Stopp</translation>
    </message>
    <message>
        <location filename="../../plot/plot_interface.cpp" line="-209"/>
        <source>[Bar]</source>
        <translation>[bar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[%]</source>
        <translation>[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[min]</source>
        <translation>[min]</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Air</source>
        <comment>Plot label</comment>
        <translation>Luft</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Dive traces</source>
        <comment>Plot title</comment>
        <translation>Tauchgangsverlauf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tissues plot</source>
        <comment>Plot title</comment>
        <translation>Gewebediagramm</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Depth [m]</source>
        <comment>Plot axis</comment>
        <translation>Tiefe [m]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>time [min]</source>
        <comment>Plot axis</comment>
        <translation>Zeit [min]</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>P. ambient [absolute, bar]</source>
        <comment>Plot axis</comment>
        <translation>Umgebungsdruck [absolut, bar]</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>P. tissue [N2+He, bar]</source>
        <comment>Plot axis</comment>
        <translation>Gewebedruck [N2+He, bar]</translation>
    </message>
    <message>
        <location filename="../../plot/plot_tissues.cpp" line="-69"/>
        <source>Surface</source>
        <comment>Plot label</comment>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <location filename="../../plot/plot_interface.cpp" line="+80"/>
        <source>TTS  = %1</source>
        <comment>Plot label</comment>
        <translation>TTS  = %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Total= %2</source>
        <comment>Plot label</comment>
        <translation>Gesamt= %2</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Dump image to...</source>
        <comment>Save plot as image</comment>
        <translation>Bild speichern unter...</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Saving plot %1</source>
        <comment>Console</comment>
        <translation>Speichere Diagramm %1</translation>
    </message>
</context>
<context>
    <name>ProfileEditorInterface</name>
    <message>
        <location filename="../../profiles/profile_editor.cpp" line="+125"/>
        <source>depth [m]</source>
        <translation>Tiefe [m]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time [min]</source>
        <translation>Zeit [min]</translation>
    </message>
    <message>
        <location line="+79"/>
        <location line="+19"/>
        <source>Loading profile...</source>
        <translation>Profil laden...</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>All supported profiles (*.xml *.uddf *.udcf);;XML: DivingLog 5, Shearwater Desktop (*.xml);;UDDF: DivingLog 2 or 3 (*.uddf);;UDCF: MacDive (*.udcf);;</source>
        <translation>Alle unterstützten Profile (*.xml *.uddf *.udcf);;XML: DivingLog 5, Shearwater Desktop (*.xml);;UDDF: DivingLog 2 oder 3 (*.uddf);;UDCF: MacDive (*.udcf);;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The profile &apos;%1&apos; was not loaded: %2</source>
        <translation>Das Profil &apos;%1&apos; wurde nicht geladen: %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Saving profile...</source>
        <translation>Profil speichern...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DivingLog XML (*.xml);;DivingLog UDDF (*.uddf);;</source>
        <translation>DivingLog XML (*.xml);;DivingLog UDDF (*.uddf);;</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Gas Change...</source>
        <translation>Gaswechsel...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>new gas =</source>
        <translation>neues Gas =</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>&lt;font color=&apos;red&apos;&gt;Recorded ppO2 [bar]&lt;/font&gt;</source>
        <translation>&lt;font color=&apos;red&apos;&gt;Aufgezeichneter ppO2 [bar]&lt;/font&gt;</translation>
    </message>
</context>
<context>
    <name>ProfileEditorWidget</name>
    <message>
        <location filename="../../profiles/profile_editor.ui" line="+6"/>
        <source>Profile Editor</source>
        <translation>Profil-Editor</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Load...</source>
        <translation>Laden...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Segments</source>
        <translation>Abschnitte</translation>
    </message>
    <message>
        <location line="+8"/>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <location line="+9"/>
        <source> m</source>
        <translation> m</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Add leg</source>
        <translation>Abschnitt anfügen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;darr;</source>
        <translation>&amp;darr;</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+15"/>
        <source> m/min</source>
        <translation> m/min</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>&amp;uarr;</source>
        <translation>&amp;uarr;</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Add point</source>
        <translation>Punkt hinzufügen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Delete point</source>
        <translation>Punkt löschen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Set gas change</source>
        <translation>Gaswechsel setzen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <location filename="../../device/safe_file.cpp" line="+35"/>
        <source>Cannot write &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>cannot copy the old file</source>
        <translation>die alte Datei kann nicht kopiert werden</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>cannot write the settings</source>
        <translation>die Einstellungen können nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>Script</name>
    <message>
        <location filename="../../script/script.cpp" line="+248"/>
        <source>Script stopped: %1</source>
        <translation>Skript angehalten: %1</translation>
    </message>
</context>
<context>
    <name>SerialOSTC</name>
    <message>
        <location filename="../../device/serial_ostc.cpp" line="+46"/>
        <source>FAILED: </source>
        <translation>FEHLGESCHLAGEN: </translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Connecting %1</source>
        <translation>Verbinde mit %1</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Reading OSTC %1 done.</source>
        <translation>OSTC %1 gelesen.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The computer&apos;s configuration before the upload is kept in &apos;%1&apos;.</source>
        <translation>Die Konfiguration des Computers vor dem Hochladen ist in &apos;%1&apos; gesichert.</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Programming OSTC %1 done.</source>
        <translation>OSTC %1 programmiert.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Date and time set to %1</source>
        <translation>Datum und Uhrzeit gesetzt auf %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>SYNC FAILED</source>
        <translation>SYNCHRONISATION FEHLGESCHLAGEN</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>FAILED</source>
        <translation>FEHLGESCHLAGEN</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>the image cannot be written as %1</source>
        <translation>das Bild kann nicht als %1 geschrieben werden</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Firmware...</source>
        <translation>Firmware...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save screen dump...</source>
        <translation>Bildschirmkopie speichern...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Image PNG (*.png);;Image JPEG (*.jpeg;*.jpg);;Image TIFF (*.tiff;*.tif)</source>
        <translation>PNG-Bild (*.png);;JPEG-Bild (*.jpeg;*.jpg);;TIFF-Bild (*.tiff;*.tif)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Loading &apos;%1&apos;</source>
        <translation>Lade &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Starting OSTC upgrade...</source>
        <translation>Starte OSTC-Firmware-Update...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OSTC upgrade done. rebooting...</source>
        <translation>OSTC-Update abgeschlossen, Neustart...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>UPGRADE FAILED</source>
        <translation>UPDATE FEHLGESCHLAGEN</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The computer keeps its boot loader but not a whole program: upgrade it again before diving.</source>
        <translation>Der Computer behält seinen Bootloader, aber kein vollständiges Programm: vor dem Tauchen erneut aktualisieren.</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <location filename="../../device/serial_port.cpp" line="+58"/>
        <source>Unknown port</source>
        <translation>Unbekannter Port</translation>
    </message>
    <message>
        <location filename="../../device/serial_port.h" line="+45"/>
        <source>Unable to open port</source>
        <translation>Port kann nicht geöffnet werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No port chosen: choose the OSTC&apos;s port in the settings</source>
        <translation>Kein Port gewählt: den Port des OSTC in den Einstellungen wählen</translation>
    </message>
    <message>
        <location filename="../../device/serial_port.cpp" line="+14"/>
        <source>Unable to set COM port config</source>
        <translation>Port-Einstellungen können nicht gesetzt werden</translation>
    </message>
    <message>
        <location filename="../../device/serial_port.h" line="-2"/>
        <source>Port not open</source>
        <translation>Port nicht geöffnet</translation>
    </message>
    <message>
        <location filename="../../device/serial_port.cpp" line="+163"/>
        <source>readByte error</source>
        <translation>Fehler bei readByte</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>readBlock error</source>
        <translation>Fehler bei readBlock</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>writeBlock error</source>
        <translation>Fehler bei writeBlock</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+4"/>
        <source>writeByte error</source>
        <translation>Fehler bei writeByte</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../settings.ui" line="+6"/>
        <source>Bathyra settings</source>
        <translation>Bathyra-Einstellungen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Communication port:</source>
        <translation>Schnittstelle:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Serial port of the OSTC; a device path (such as /dev/pts/3) may be typed.</source>
        <translation>Serielle Schnittstelle des OSTC; ein Gerätepfad (etwa /dev/pts/3) kann eingegeben werden.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No serial port found.</source>
        <translation>Keine serielle Schnittstelle gefunden.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Verbose simulations</source>
        <translation>Ausführliche Simulationen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Auto setup of date &amp;&amp; time</source>
        <translation>Datum &amp;&amp; Uhrzeit automatisch setzen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>If checked, any configuration upload will also setup date and time.</source>
        <translation>Wenn aktiviert, setzt jedes Schreiben der Konfiguration auch Datum und Uhrzeit.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Border line in deco plan</source>
        <translation>Rahmenlinien im Dekoplan</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Beta features</source>
        <translation>Beta-Funktionen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Allows also beta features, not fully finished and/ord tested.</source>
        <translation>Erlaubt auch Beta-Funktionen, die noch nicht fertig oder getestet sind.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Reset all settings</source>
        <translation>Alle Einstellungen zurücksetzen</translation>
    </message>
</context>
<context>
    <name>SolveDialog</name>
    <message>
        <location filename="../../app/solve_dialog.cpp" line="+21"/>
        <source>no decompression</source>
        <translation>keine Dekompression</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>runtime at most</source>
        <translation>Laufzeit höchstens</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TTS at most</source>
        <translation>TTS höchstens</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>total stop time at most</source>
        <translation>Gesamte Stoppzeit höchstens</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>every cylinder within the reserve rule</source>
        <translation>jede Flasche innerhalb der Reserveregel</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Solve</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Use as bottom time</source>
        <translation>Als Grundzeit übernehmen</translation>
    </message>
</context>
<context>
    <name>UpdatesPlanner</name>
    <message>
        <location filename="../../updates/updates_planner.cpp" line="+77"/>
        <source>Update server &apos;%1&apos; is not a valid http or https address.</source>
        <translation>Der Update-Server &apos;%1&apos; ist keine gültige http- oder https-Adresse.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>no firmware data</source>
        <translation>keine Firmware-Daten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Downloaded firmware %1 is not a valid HEX file: %2</source>
        <translation>Die heruntergeladene Firmware %1 ist keine gültige HEX-Datei: %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Firmware %1 available...</source>
        <translation>Firmware %1 verfügbar...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Version %1 of the &lt;i&gt;OSTC&lt;/i&gt; firmware is available. Please consider upgrading your computer...</source>
        <translation>Version %1 der &lt;i&gt;OSTC&lt;/i&gt;-Firmware ist verfügbar. Bitte erwägen Sie, Ihren Computer zu aktualisieren...</translation>
    </message>
</context>
<context>
    <name>Window Title</name>
    <message>
        <location filename="../../plot/plot_interface.cpp" line="-174"/>
        <location filename="../../app/bathyra_runs.cpp" line="+84"/>
        <source>Dive profile</source>
        <translation>Tauchprofil</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../app/bathyra_runs.cpp" line="+100"/>
        <source>Tissues plot</source>
        <translation>Gewebediagramm</translation>
    </message>
    <message>
        <location filename="../../app/log_check_window.cpp" line="-97"/>
        <source>Plan against log</source>
        <translation>Plan gegen Log</translation>
    </message>
    <message>
        <location filename="../../app/plan_comparison_window.cpp" line="-235"/>
        <source>Compare plans</source>
        <translation>Pläne vergleichen</translation>
    </message>
    <message>
        <location filename="../../app/solve_dialog.cpp" line="-18"/>
        <source>Longest bottom time</source>
        <translation>Längste Grundzeit</translation>
    </message>
</context>
<context>
    <name>gas</name>
    <message>
        <location filename="../../profiles/uddf_formats.cpp" line="-186"/>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
</context>
<context>
    <name>planner</name>
    <message>
        <location filename="../../planner/contingency.cpp" line="+228"/>
        <source>all</source>
        <translation>alles</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>half</source>
        <translation>die Hälfte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>two thirds</source>
        <translation>zwei Drittel</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>+%1 m</source>
        <translation>+%1 m</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>+%1 min</source>
        <translation>+%1 min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>+%1 m +%2 min</source>
        <translation>+%1 m +%2 min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>lost %1</source>
        <translation>%1 verloren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>bail-out</source>
        <translation>Bail-out</translation>
    </message>
    <message>
        <location filename="../../planner/plan_files.cpp" line="+150"/>
        <location filename="../../planner/plan_slate.cpp" line="+201"/>
        <source>Variant</source>
        <translation>Variante</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../planner/plan_slate.cpp" line="-76"/>
        <location line="+76"/>
        <source>Run</source>
        <translation>Lz</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../planner/plan_slate.cpp" line="+0"/>
        <source>TTS</source>
        <translation>TTS</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../planner/plan_slate.cpp" line="-76"/>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stops</source>
        <translation>Stopps</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../planner/plan_slate.cpp" line="+76"/>
        <source>CNS</source>
        <translation>CNS</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../planner/plan_slate.cpp" line="-76"/>
        <location line="+76"/>
        <source>ppO2</source>
        <translation>ppO2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Gas used</source>
        <translation>Gasverbrauch</translation>
    </message>
    <message>
        <location filename="../../planner/plan_slate.cpp" line="-116"/>
        <location line="+284"/>
        <location line="+11"/>
        <source>Dive plan</source>
        <translation>Tauchplan</translation>
    </message>
    <message>
        <location line="-294"/>
        <source>Dive plan: %1 m, %2 min</source>
        <translation>Tauchplan: %1 m, %2 min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Model: %1</source>
        <translation>Modell: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Surface pressure: %1 mbar    SAC: bottom %2 l/min, deco %3 l/min</source>
        <translation>Luftdruck an der Oberfläche: %1 mbar    AMV: Grund %2 l/min, Deko %3 l/min</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Closed circuit, setpoint %1 bar</source>
        <translation>Geschlossener Kreislauf, Setpoint %1 bar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open circuit</source>
        <translation>Offener Kreislauf</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Configuration firmware %1</source>
        <translation>Firmware der Konfiguration %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Gases (MOD at ppO2 %1 bar)</source>
        <translation>Gase (MOD bei ppO2 %1 bar)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+20"/>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>MOD</source>
        <translation>MOD</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Switch depth</source>
        <translation>Wechseltiefe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cylinder</source>
        <translation>Flasche</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+1"/>
        <location line="+47"/>
        <location line="+21"/>
        <location line="+41"/>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <location line="-109"/>
        <source>first gas</source>
        <translation>erstes Gas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 l, %2 bar</source>
        <translation>%1 l, %2 bar</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Runtime</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Depth</source>
        <translation>Tiefe</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>switch to %1 at %2 m before the stop</source>
        <translation>vor dem Stopp auf %1 wechseln, in %2 m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the loop</source>
        <translation>den Kreislauf</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>loop %1</source>
        <translation>Kreislauf %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Contingencies</source>
        <translation>Notfallvarianten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bar used per cylinder; &quot;!&quot; breaks the reserve rule (use %1)</source>
        <translation>Verbrauchte bar je Flasche; &quot;!&quot; verletzt die Reserveregel (%1 nutzen)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1st stop</source>
        <translation>1. Stopp</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 l / bar</source>
        <translation>%1 l / bar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 l</source>
        <translation>%1 l</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Bathyra %1, %2</source>
        <translation>Bathyra %1, %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>These are the dive computer&apos;s own computations, made by Bathyra with the computer&apos;s decompression code.</source>
        <translation>Dies sind die eigenen Berechnungen des Tauchcomputers, von Bathyra mit dem Dekompressionscode des Computers ausgeführt.</translation>
    </message>
    <message>
        <location line="+151"/>
        <source>Cannot write &apos;%1&apos;: slates end in .pdf, .svg or .png</source>
        <translation>Kann &apos;%1&apos; nicht schreiben: Tafeln enden auf .pdf, .svg oder .png</translation>
    </message>
</context>
<context>
    <name>planner::PlanFiles</name>
    <message>
        <location filename="../../planner/plan_files.cpp" line="+188"/>
        <source>Cannot write &apos;%1&apos;: plan files end in .csv or .json</source>
        <translation>Kann &apos;%1&apos; nicht schreiben: Plandateien enden auf .csv oder .json</translation>
    </message>
</context>
<context>
    <name>planner::PlanParameters</name>
    <message>
        <location filename="../../planner/plan_parameters.cpp" line="+163"/>
        <source>unknown planning input %1</source>
        <translation>unbekannte Planungseingabe %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: %2 is not a number</source>
        <translation>%1: %2 ist keine Zahl</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: %2 is neither true nor false</source>
        <translation>%1: %2 ist weder true noch false</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1: %2 is outside %3 to %4</source>
        <translation>%1: %2 liegt außerhalb von %3 bis %4</translation>
    </message>
</context>
<context>
    <name>planner::RunReport</name>
    <message>
        <location filename="../../planner/run_report.cpp" line="+92"/>
        <location line="+2"/>
        <source>ppO2</source>
        <translation>ppO2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GF</source>
        <translation>GF</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+120"/>
        <location line="+2"/>
        <source>CNS</source>
        <translation>CNS</translation>
    </message>
    <message>
        <location line="-117"/>
        <source>ppN2</source>
        <translation>ppN2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Standard Bühlmann ZH-L16C-1a 2002 decompression:</source>
        <translation>Standard-Dekompression Bühlmann ZH-L16C-1a 2002:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  saturation factor (CF11) = %1 %</source>
        <translation>*  Sättigungsfaktor (CF11) = %1 %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  desaturation factor (CF12) = %1 %</source>
        <translation>*  Entsättigungsfaktor (CF12) = %1 %</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bühlmann ZH-L16C-1a 2002 with GRADIENT FACTOR decompression:</source>
        <translation>Dekompression Bühlmann ZH-L16C-1a 2002 mit GRADIENTENFAKTOREN:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  GF_low (CF32) = %1 %</source>
        <translation>*  GF_low (CF32) = %1 %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  GF_high (CF33) = %1 %</source>
        <translation>*  GF_high (CF33) = %1 %</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>*  deco offset (CF16) = %1 m</source>
        <translation>*  Deko-Abstand (CF16) = %1 m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  last stop (CF29) = %1 m</source>
        <translation>*  letzter Stopp (CF29) = %1 m</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>*  dive started at Pamb = %1 mbar</source>
        <translation>*  Tauchgang begonnen bei Pamb = %1 mbar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>*  dive continued at depth = %1 m</source>
        <translation>*  Tauchgang fortgesetzt in Tiefe = %1 m</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>*  Interval with previous dive = %1&apos;</source>
        <translation>*  Intervall zum vorigen Tauchgang = %1&apos;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  Gas switch delay (CF55) = %1 min</source>
        <translation>*  Wartezeit Gaswechsel (CF55) = %1 min</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>CCR mode:</source>
        <translation>CCR-Modus:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  Setpoint1: %1</source>
        <translation>*  Setpoint1: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  Diluant Gas#%1 = %2</source>
        <translation>*  Diluent Gas#%1 = %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OC gas list:</source>
        <translation>OC-Gasliste:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  First Gas#%1 = %2</source>
        <translation>*  Erstes Gas#%1 = %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>*  Bailout Gas#%1 = %2 at %3 m</source>
        <translation>*  Bailout Gas#%1 = %2 ab %3 m</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>*  Deco Gas#%1 = %2 at %3 m</source>
        <translation>*  Deko Gas#%1 = %2 ab %3 m</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>WARNING: Gas#%1 %2 is switched to at %3 m, deeper than its MOD of %4 m at ppO2 %5 bar</source>
        <translation>WARNUNG: Wechsel auf Gas#%1 %2 ab %3 m, tiefer als seine MOD von %4 m bei ppO2 %5 bar</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>SWITCH Gas#%1 -&gt; Gas#%2</source>
        <translation>WECHSEL Gas#%1 -&gt; Gas#%2</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>BREAK ON STOP @ %1m</source>
        <translation>HALT AM STOPP @ %1m</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>SWITCH Setpoint %1 -&gt; %2</source>
        <translation>WECHSEL Setpoint %1 -&gt; %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>BREAK ON BETTER Gas#%1</source>
        <translation>HALT FÜR BESSERES Gas#%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>BREAK ON SETPOINT</source>
        <translation>HALT BEI SETPOINT</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>CCR Runtime</source>
        <translation>CCR-Runtime</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+77"/>
        <source>OC Runtime</source>
        <translation>OC-Runtime</translation>
    </message>
    <message>
        <location line="-47"/>
        <source>Future TTS</source>
        <translation>Future TTS</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Future RT </source>
        <translation>Future RT </translation>
    </message>
    <message>
        <location line="-29"/>
        <source>NDL</source>
        <translation>NDL</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Deco:</source>
        <comment>Console</comment>
        <translation>Deko:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>TTS</source>
        <translation>TTS</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>DESCENT DONE</source>
        <translation>ABSTIEG BEENDET</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ASCENT DONE</source>
        <translation>AUFSTIEG BEENDET</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>NoFly</source>
        <translation>Flugverbot</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Desat</source>
        <translation>Entsättigung</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Already surfaced: no more gas consumation</source>
        <translation>Bereits aufgetaucht: kein weiterer Gasverbrauch</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>BAIL-OUT Runtime</source>
        <translation>BAIL-OUT-Runtime</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Max depth                     = %1 m</source>
        <translation>Maximaltiefe                  = %1 m</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average before ascent     = %1 m</source>
        <translation>Mittel vor dem Aufstieg   = %1 m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time before ascent            = %1 min</source>
        <translation>Zeit vor dem Aufstieg         = %1 min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bottom gas consumption (CF56) = %1 l/min</source>
        <translation>Verbrauch am Grund (CF56)     = %1 l/min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ascent gas consumption (CF57) = %1 l/min</source>
        <translation>Verbrauch im Aufstieg (CF57)  = %1 l/min</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
</context>
<context>
    <name>planner::Simulation</name>
    <message>
        <location filename="../../planner/simulation.cpp" line="+79"/>
        <source>%1 at %2 m</source>
        <translation>%1 in %2 m</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>BAD MIX: Gas#%1 has O2 %2% + He %3%, more than 100%</source>
        <translation>FALSCHES GEMISCH: Gas#%1 hat O2 %2% + He %3%, mehr als 100%</translation>
    </message>
</context>
</TS>
