<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
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
        <translation>Carica...</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1944"/>
        <source>Load all model/dive parameters from a *.div file.&lt;br&gt;[Ctrl+L]</source>
        <translation>Carica tutti i parametri del modello e dell&apos;immersione da un file *.div.&lt;br&gt;[Ctrl+L]</translation>
    </message>
    <message>
        <location line="-1937"/>
        <source>Save...</source>
        <translation>Salva...</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1948"/>
        <source>Save all model/dive parameters into a *.div file.&lt;br&gt;[Ctrl+S]</source>
        <translation>Salva tutti i parametri del modello e dell&apos;immersione in un file *.div.&lt;br&gt;[Ctrl+S]</translation>
    </message>
    <message>
        <location line="-1941"/>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1968"/>
        <source>Read configuration (customtext, model, gas, setpoints, and all CFs) from OSTC.</source>
        <translation>Leggi la configurazione (testo personale, modello, gas, setpoint e tutte le CF) dall&apos;OSTC.</translation>
    </message>
    <message>
        <location line="-1961"/>
        <source>Edit CF...</source>
        <translation>Modifica CF...</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1969"/>
        <source>Edit custom text and all &lt;i&gt;custom functions&lt;/i&gt;.</source>
        <translation>Modifica il testo personale e tutte le &lt;i&gt;funzioni personalizzate&lt;/i&gt;.</translation>
    </message>
    <message>
        <location line="-1962"/>
        <source>Upload CF</source>
        <translation>Invia CF</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1970"/>
        <source>Write configuration (customtext, model, gas, setpoints, and all CFs) to OSTC.</source>
        <translation>Scrivi la configurazione (testo personale, modello, gas, setpoint e tutte le CF) nell&apos;OSTC.</translation>
    </message>
    <message>
        <location line="-1963"/>
        <source> Screen Dump</source>
        <translation> Cattura schermo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Download a copy of OSTC screen, and save to disk.</source>
        <translation>Scarica una copia dello schermo dell&apos;OSTC e salvala su disco.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Upgrade</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Upgrade OSTC firmware.</source>
        <translation>Aggiorna il firmware dell&apos;OSTC.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Date &amp;&amp; Time</source>
        <translation>Data e ora</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set OSTC date and time to your computer&apos;s time.</source>
        <translation>Imposta data e ora dell&apos;OSTC all&apos;ora del computer.</translation>
    </message>
    <message>
        <location line="+26"/>
        <location line="+1861"/>
        <source>Settings...</source>
        <translation>Impostazioni...</translation>
    </message>
    <message>
        <location line="-1854"/>
        <location line="+1970"/>
        <source>Help</source>
        <translation>Aiuto</translation>
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
        <translation>Informazioni</translation>
    </message>
    <message>
        <location line="-1958"/>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Decompression Model:</source>
        <translation>Modello di decompressione:</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Bühlmann</source>
        <translation>Bühlmann</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sat:</source>
        <translation>Sat.:</translation>
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
        <translation>Fattore di saturazione (CF11).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Desat:</source>
        <translation>Desat.:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Desaturation multiplier (CF12).</source>
        <translation>Fattore di desaturazione (CF12).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Gradient Factor</source>
        <translation>Fattore di gradiente</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Low:</source>
        <translation>Basso:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Gradient factor low (CF32).</source>
        <translation>Fattore di gradiente basso (CF32).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>High:</source>
        <translation>Alto:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Gradient factor high (CF33).</source>
        <translation>Fattore di gradiente alto (CF33).</translation>
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
        <translation>Elenco gas:</translation>
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
        <translation>primo</translation>
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
        <translation>a</translation>
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
        <translation>Attesa cambio gas:</translation>
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
        <translation>No</translation>
    </message>
    <message>
        <location line="-290"/>
        <source>Time to wait at a gas switch (CF55).</source>
        <translation>Tempo di attesa a un cambio gas (CF55).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>CCR Setpoints:</source>
        <translation>Setpoint CCR:</translation>
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
        <translation>Regola SP fisso (CF39)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Dil 21/00, MOD: 40m, EAD: ---, END: ---</source>
        <translation>Dil 21/00, MOD: 40m, EAD: ---, END: ---</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Other OSTC dive settings:</source>
        <translation>Altre impostazioni immersione OSTC:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Deco offset:</source>
        <translation>Offset deco:</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Deco distance (CF16).</source>
        <translation>Distanza deco (CF16).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Last stop:</source>
        <translation>Ultima sosta:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Depth of the last stop (CF29).</source>
        <translation>Profondità dell&apos;ultima sosta (CF29).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Future TTS:</source>
        <translation>TTS futuro:</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Time to surface after staying this much longer (CF58).</source>
        <translation>Tempo alla superficie restando questo tempo in più (CF58).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ppO2 max:</source>
        <translation>ppO2 max:</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Highest ppO2 of a gas, used for its MOD (CF18).</source>
        <translation>ppO2 massima di un gas, usata per la sua MOD (CF18).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Bottom gas:</source>
        <translation>Consumo fondo:</translation>
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
        <translation>Consumo di gas sul fondo (CF56).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Ascent gas:</source>
        <translation>Consumo risalita:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Gas usage during the ascent (CF57).</source>
        <translation>Consumo di gas durante la risalita (CF57).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Shallowest stop first (CF54)</source>
        <translation>Prima la sosta più bassa (CF54)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Dive planning:</source>
        <translation>Pianificazione immersione:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Interval:</source>
        <translation>Intervallo:</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Reset</source>
        <translation>Nuova</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Surface interval before this dive; &lt;i&gt;Reset&lt;/i&gt; starts a new dive.</source>
        <translation>Intervallo di superficie prima di questa immersione; &lt;i&gt;Nuova&lt;/i&gt; inizia una nuova immersione.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Surface:</source>
        <translation>Superficie:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source> mbar</source>
        <translation> mbar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Atmospheric pressure at the surface.</source>
        <translation>Pressione atmosferica in superficie.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Bottom time:</source>
        <translation>Tempo di fondo:</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Depth:</source>
        <translation>Profondità:</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Ascent:</source>
        <translation>Risalita:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source> m/min</source>
        <translation> m/min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ascent speed.</source>
        <translation>Velocità di risalita.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Replay mode</source>
        <translation>Modalità replay</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Simulate</source>
        <translation>Simula</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Gas volumes</source>
        <translation>Volumi di gas</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Ascent</source>
        <translation>Risalita</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Plan sheet...</source>
        <translation>Scheda del piano...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The plan with its contingencies (deeper, longer, a gas lost, bail-out) on one printable slate, and the plan files.</source>
        <translation>Il piano con le sue varianti di emergenza (più profondo, più lungo, un gas perso, bail-out) su una lavagnetta stampabile, e i file del piano.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Replay dive</source>
        <translation>Riproduci immersione</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Break on stops</source>
        <translation>Pausa alle soste</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Gas switches</source>
        <translation>Cambi gas</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Break on gas switch</source>
        <translation>Pausa al cambio gas</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Setpoint changes</source>
        <translation>Cambi di setpoint</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Break on setpoint change</source>
        <translation>Pausa al cambio di setpoint</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Recorded ppO2</source>
        <translation>ppO2 registrata</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Edit profile...</source>
        <translation>Modifica profilo...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Run</source>
        <translation>Esegui</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Graphic output:</source>
        <translation>Uscita grafica:</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Depth</source>
        <translation>Profondità</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Ceiling</source>
        <translation>Tetto</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Stop</source>
        <translation>Sosta</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Lead Tissue</source>
        <translation>Tessuto guida</translation>
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
        <translation>Aggiungi runtime</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pressure diagram</source>
        <translation>Diagramma di pressione</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear profile</source>
        <translation>Cancella profilo</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;OSTC</source>
        <translation>&amp;OSTC</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Planning</source>
        <translation>&amp;Pianificazione</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>&amp;Load...</source>
        <translation>&amp;Carica...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Save...</source>
        <translation>&amp;Salva...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Download</source>
        <translation>&amp;Scarica</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Edit CF...</source>
        <translation>&amp;Modifica CF...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Upload CF</source>
        <translation>&amp;Invia CF</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Set Date &amp;&amp; Time</source>
        <translation>Imposta data e ora</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set OSTC Date and Time.</source>
        <translation>Imposta data e ora dell&apos;OSTC.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Simulate</source>
        <translation>&amp;Simula</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1. Make a time/depth simulation segment.</source>
        <translation>1. Simula un tratto tempo/profondità.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Gas &amp;volumes</source>
        <translation>&amp;Volumi di gas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>2. Recompute decoplaning from here, and evaluate gas consumptions for each tank.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt;: You can change gas list and test different runtimes.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt;: In CCR mode, switch to BAILOUT escape runtime, hence &lt;i&gt;Add runtime&lt;/i&gt; will now plot bailout escape decoplaning.</source>
        <translation>2. Ricalcola il piano di decompressione da qui e valuta il consumo di gas di ogni bombola.&lt;br&gt;&lt;b&gt;Nota&lt;/b&gt;: puoi cambiare l&apos;elenco gas e provare runtime diversi.&lt;br&gt;&lt;b&gt;Nota&lt;/b&gt;: in modalità CCR passa al runtime di emergenza BAILOUT, quindi &lt;i&gt;Aggiungi runtime&lt;/i&gt; disegnerà il piano deco in bailout.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Ascent</source>
        <translation>&amp;Risalita</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>3. Simulate an automatic ascent, obeying dynamically recomputed stops and gas changes.</source>
        <translation>3. Simula una risalita automatica che rispetta soste e cambi gas ricalcolati dinamicamente.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Add &amp;runtime</source>
        <translation>Aggiungi &amp;runtime</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add instant decoplan runtime to diagram (should be done after a &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Gas Volumes&lt;/i&gt;).</source>
        <translation>Aggiungi al diagramma il runtime del piano deco attuale (dopo &lt;i&gt;Simula&lt;/i&gt; o &lt;i&gt;Volumi di gas&lt;/i&gt;).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Clear profile</source>
        <translation>&amp;Cancella profilo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove all curves from dive profile.</source>
        <translation>Rimuovi tutte le curve dal profilo d&apos;immersione.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Plan &amp;sheet...</source>
        <translation>&amp;Scheda del piano...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The plan with its contingencies on one printable slate, and the plan files.</source>
        <translation>Il piano con le sue varianti di emergenza su una lavagnetta stampabile, e i file del piano.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pressure &amp;diagram</source>
        <translation>&amp;Diagramma di pressione</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Plot tissues N2+He tensions during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt; in a separated window.</source>
        <translation>Traccia le tensioni N2+He dei tessuti durante &lt;i&gt;Simula&lt;/i&gt; o &lt;i&gt;Risalita&lt;/i&gt; in una finestra separata.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Check updates</source>
        <translation>Cerca aggiornamenti</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Check for new Bathyra and firmware updates.</source>
        <translation>Cerca nuove versioni di Bathyra e del firmware.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Run script...</source>
        <translation>Esegui script...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Run an &lt;i&gt;Bathyra&lt;/i&gt;&apos;s script.</source>
        <translation>Esegui uno script di &lt;i&gt;Bathyra&lt;/i&gt;.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Run all tests...</source>
        <translation>Esegui tutti i test...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Run all validation tests, and save HTML reports.</source>
        <translation>Esegui tutti i test di validazione e salva i report HTML.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Stop script</source>
        <translation>Ferma script</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stop the running script or tests.</source>
        <translation>Ferma lo script o i test in esecuzione.</translation>
    </message>
</context>
<context>
    <name>BathyraApplication</name>
    <message>
        <location filename="../../app/application.cpp" line="+35"/>
        <source>Unhandled exception: %1</source>
        <comment>Console</comment>
        <translation>Eccezione non gestita: %1</translation>
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
        <translation>Dil:%1/%2, prof. max CCR:%3m, EAD:%4m, END:%5m</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dil:%1/%2, CCR max depth:%3m, EAD:---, END:---</source>
        <translation>Dil:%1/%2, prof. max CCR:%3m, EAD:---, END:---</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>HYPOXIA: won&apos;t simulate with ppO2 &amp;le; 0.15 bar</source>
        <translation>IPOSSIA: nessuna simulazione con ppO2 &amp;le; 0.15 bar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BAD MIX: N2 ration should be in 0 .. 95%</source>
        <translation>MISCELA ERRATA: la frazione di N2 deve essere tra 0 e 95%</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BAD MIX: He ration should be in 0 .. 95%</source>
        <translation>MISCELA ERRATA: la frazione di He deve essere tra 0 e 95%</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BAD MIX: N2+He ratio should be less than 100%</source>
        <translation>MISCELA ERRATA: N2+He deve essere inferiore al 100%</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NARCOSIS: won&apos;t simulate with ppN2 &amp;ge; 14 bar</source>
        <translation>NARCOSI: nessuna simulazione con ppN2 &amp;ge; 14 bar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>HPNS: won&apos;t simulate with ppHe &amp;ge; 14 bar</source>
        <translation>HPNS: nessuna simulazione con ppHe &amp;ge; 14 bar</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_device.cpp" line="+79"/>
        <source>FAILED</source>
        <translation>NON RIUSCITO</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_interface.cpp" line="+146"/>
        <source>Load dive parameters...</source>
        <translation>Carica parametri d&apos;immersione...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+37"/>
        <source>Dives params (*.div)</source>
        <comment>file format</comment>
        <translation>Parametri d&apos;immersione (*.div)</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Cannot open %1: no readable file</source>
        <translation>Impossibile aprire %1: nessun file leggibile</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Save all parameters...</source>
        <comment>Save .div</comment>
        <translation>Salva tutti i parametri...</translation>
    </message>
    <message>
        <location line="+66"/>
        <location line="+72"/>
        <source>Bathyra help</source>
        <translation>Guida di Bathyra</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>&lt;font size=&apos;+3&apos;&gt;&lt;i&gt;Bathyra&lt;/i&gt;&lt;/font&gt; &lt;i&gt;v%1%2 - OSTC firmware %3.%4%5&lt;/i&gt;&lt;br&gt;</source>
        <translation>&lt;font size=&apos;+3&apos;&gt;&lt;i&gt;Bathyra&lt;/i&gt;&lt;/font&gt; &lt;i&gt;v%1%2 - firmware OSTC %3.%4%5&lt;/i&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;i&gt;Bathyra&lt;/i&gt; software purposes is:&lt;ul&gt;&lt;li&gt;To play with and understand the decompression parameters of your &lt;i&gt;OSTC&lt;/i&gt; computer (model, gradient factors, switch depth, etc.).&lt;li&gt;To plot simulated dive profiles and compare several configurations (gas mix, deco tanks, setpoints, stops, etc.)&lt;li&gt;To check the &lt;i&gt;OSTC&lt;/i&gt; by comparing its results to other deco softwares.&lt;li&gt;To backup, edit and restore your &lt;i&gt;OSTC&lt;/i&gt; computer configurations.&lt;/ul&gt;</source>
        <translation>&lt;i&gt;Bathyra&lt;/i&gt; serve a:&lt;ul&gt;&lt;li&gt;Sperimentare e capire i parametri di decompressione del tuo computer &lt;i&gt;OSTC&lt;/i&gt; (modello, fattori di gradiente, profondità di cambio, ecc.).&lt;li&gt;Tracciare profili d&apos;immersione simulati e confrontare più configurazioni (miscele, bombole deco, setpoint, soste, ecc.).&lt;li&gt;Verificare l&apos;&lt;i&gt;OSTC&lt;/i&gt; confrontando i suoi risultati con altri software di deco.&lt;li&gt;Salvare, modificare e ripristinare le configurazioni del tuo &lt;i&gt;OSTC&lt;/i&gt;.&lt;/ul&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The Bathyra developers. Free software under the GNU General Public License, version 3 or later (%1), without any warranty. Built with Qt (%2) and Qwt (%3).</source>
        <translation>Gli sviluppatori di Bathyra. Software libero secondo la GNU General Public License, versione 3 o successiva (%1), senza alcuna garanzia. Realizzato con Qt (%2) e Qwt (%3).</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_parameters.cpp" line="+178"/>
        <source>CF%1 (%2): %3 is beyond the planner&apos;s range, %4 is used.</source>
        <translation>CF%1 (%2): %3 è fuori dall&apos;intervallo del pianificatore, viene usato %4.</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_interface.cpp" line="-81"/>
        <location filename="../../app/bathyra_parameters.cpp" line="+109"/>
        <source>Parameters not saved: %1</source>
        <translation>Parametri non salvati: %1</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_script.cpp" line="+175"/>
        <source>Run Script...</source>
        <translation>Esegui script...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bathyra Script (*.qs *.js)</source>
        <comment>scrit format</comment>
        <translation>Script di Bathyra (*.qs *.js)</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_plan_tools.cpp" line="+18"/>
        <source>Longest bottom time...</source>
        <translation>Tempo di fondo massimo...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Compare plans...</source>
        <translation>Confronta piani...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Plan against log...</source>
        <translation>Piano contro log...</translation>
    </message>
</context>
<context>
    <name>BottomTimeSolver</name>
    <message>
        <location filename="../../planner/bottom_time_solver.cpp" line="+17"/>
        <source>no decompression</source>
        <translation>nessuna decompressione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>runtime ≤ %1 min</source>
        <translation>tempo totale ≤ %1 min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>TTS ≤ %1 min</source>
        <translation>TTS ≤ %1 min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>total stop time ≤ %1 min</source>
        <translation>tempo totale delle soste ≤ %1 min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>every cylinder within the reserve rule</source>
        <translation>ogni bombola entro la regola di riserva</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>no bottom time meets the target %1</source>
        <translation>nessun tempo di fondo rispetta l&apos;obiettivo %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>longest bottom time: %1 min or more for %2</source>
        <translation>tempo di fondo massimo: %1 min o più per %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>longest bottom time: %1 min for %2</source>
        <translation>tempo di fondo massimo: %1 min per %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The reserve target needs a cylinder (size and fill) for a gas of the plan</source>
        <translation>L&apos;obiettivo della regola di riserva richiede una bombola (volume e pressione di carica) per un gas del piano</translation>
    </message>
</context>
<context>
    <name>CF menu (15 char max)</name>
    <message>
        <location filename="../../device/cf_table.cpp" line="+18"/>
        <source>unused</source>
        <translation>non usato</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Start Dive [m]</source>
        <translation>Inizio imm.[m]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End Dive [m]</source>
        <translation>Fine imm. [m]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End Delay [sec]</source>
        <translation>Ritardo fine[s]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power Off [min]</source>
        <translation>Spegnim. [min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pre-menu [min]</source>
        <translation>Pre-menu [min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>velocity[m/min]</source>
        <translation>Velocità[m/min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wake-up  [mbar]</source>
        <translation>Attivaz.[mbar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>max.Surf.[mbar]</source>
        <translation>max.Sup.[mbar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF display [%]</source>
        <translation>Mostra GF [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>min. O2 Dis.[%]</source>
        <translation>O2 min most.[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dive menus[min]</source>
        <translation>Menu imm.[min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saturate x [%]</source>
        <translation>Saturaz. x [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Desaturate x[%]</source>
        <translation>Desaturaz. x[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NoFly Ratio [%]</source>
        <translation>Rapp. NoFly [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF alarm 1 [%]</source>
        <translation>Allarme GF 1[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CNSshow surf[%]</source>
        <translation>CNS sup. [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deco Offset [m]</source>
        <translation>Offset deco [m]</translation>
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
        <translation>ppO2 most[bar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sampling rate</source>
        <translation>Freq. campion.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor Temp</source>
        <translation>Divisore temp.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor Decodat</source>
        <translation>Divisore deco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor GF</source>
        <translation>Divisore GF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor ppO2</source>
        <translation>Divisore ppO2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor Debug</source>
        <translation>Divisore debug</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor CNS</source>
        <translation>Divisore CNS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CNSshow dive[%]</source>
        <translation>CNS imm. [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Logbook offset</source>
        <translation>Offset logbook</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last Deco at[m]</source>
        <translation>Ultima deco[m]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End Apnoe [h]</source>
        <translation>Fine apnea [h]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Batt.Volts</source>
        <translation>Tensione batt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF Low [%]</source>
        <translation>GF basso [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF High [%]</source>
        <translation>GF alto [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color# Battery </source>
        <translation>Colore# batt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color# Standard</source>
        <translation>Colore# stand.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color# Divemask</source>
        <translation>Colore# masch.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color# Warnings</source>
        <translation>Colore# avvisi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divemode secs. </source>
        <translation>Modo imm. s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adjust fixed SP</source>
        <translation>Regola SP fisso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warn Ceiling</source>
        <translation>Avviso tetto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mix type icons</source>
        <translation>Icone miscela</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blink BetterGas</source>
        <translation>Lamp. gas migl.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DepthWarn[mbar]</source>
        <translation>Avv. prof[mbar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CNS warning [%]</source>
        <translation>Avviso CNS [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF warning [%]</source>
        <translation>Avviso GF [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ppO2 warn [bar]</source>
        <translation>Avv. ppO2 [bar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vel.warn[m/min]</source>
        <translation>Avv.vel.[m/min]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time offset/day</source>
        <translation>Corr. ora/g</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show altimeter</source>
        <translation>Altimetro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Log-Marker</source>
        <translation>Marcatori log</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Stopwatch</source>
        <translation>Cronometro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ShowTissueGraph</source>
        <translation>Grafico tessuti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Lead.Tiss.</source>
        <translation>Tessuto guida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ShallowStop 1st</source>
        <translation>Sosta bassa 1ª</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gas switch[min]</source>
        <translation>Cambio gas[min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BottomGas[/min]</source>
        <translation>Gas fondo[/min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AscentGas[/min]</source>
        <translation>Gas risal[/min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Future TTS[min]</source>
        <translation>TTS futuro[min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cave Bail Alarm</source>
        <translation>Allarme bail gr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Graph. Velocity</source>
        <translation>Velocità graf.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show pSCR ppO2</source>
        <translation>ppO2 pSCR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pSCR O2 Drop[%]</source>
        <translation>Calo O2 pSCR[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pSCR lung ratio</source>
        <translation>pSCR rapp.polm.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color# inactive</source>
        <translation>Colore# inatt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use safety stop</source>
        <translation>Sosta sicurezza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show GF in NDL</source>
        <translation>GF in NDL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt. GF Low [%]</source>
        <translation>GF alt. basso%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt. GF High[%]</source>
        <translation>GF alt. alto[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allow GF change</source>
        <translation>Consenti cam.GF</translation>
    </message>
</context>
<context>
    <name>CF_Editor_Dialog</name>
    <message>
        <location filename="../../cfeditor/cf_editor.ui" line="+6"/>
        <source>Edit Custom Functions</source>
        <translation>Modifica funzioni personalizzate</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Custom Functions I</source>
        <translation>Funzioni I</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Custom Functions II</source>
        <translation>Funzioni II</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Custom Functions III</source>
        <translation>Funzioni III</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Custom text:</source>
        <translation>Testo personale:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Text shown by the OSTC on its surface screen (at most 25 characters).</source>
        <translation>Testo mostrato dall&apos;OSTC nella schermata di superficie (al massimo 25 caratteri).</translation>
    </message>
</context>
<context>
    <name>CF_Editor_Interface</name>
    <message>
        <location filename="../../cfeditor/cf_editor.cpp" line="+245"/>
        <source>value %1 is kept: it cannot be shown here</source>
        <translation>il valore %1 viene mantenuto: non può essere mostrato qui</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>OSTC &lt;i&gt;serial not loaded&lt;/i&gt;</source>
        <comment>EEPROM</comment>
        <translation>OSTC &lt;i&gt;numero di serie non caricato&lt;/i&gt;</translation>
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
        <translation>Scegli colore</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Click to change color</source>
        <comment>CF color</comment>
        <translation>Fai clic per cambiare colore</translation>
    </message>
</context>
<context>
    <name>ConfigImage</name>
    <message>
        <location filename="../../device/cf_table.cpp" line="+40"/>
        <source>No custom function CF%1</source>
        <translation>Nessuna funzione personalizzata CF%1</translation>
    </message>
    <message>
        <location filename="../../device/config_image.cpp" line="+92"/>
        <source>Configuration image must be %1 bytes, got %2</source>
        <translation>L&apos;immagine di configurazione deve essere di %1 byte, ricevuti %2</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>No configuration bank %1</source>
        <translation>Nessun banco di configurazione %1</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Configuration bank %1 must be %2 bytes, got %3</source>
        <translation>Il banco di configurazione %1 deve essere di %2 byte, ricevuti %3</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+7"/>
        <source>Configuration image offset %1 out of range</source>
        <translation>Offset %1 fuori dall&apos;immagine di configurazione</translation>
    </message>
    <message>
        <location line="+73"/>
        <location line="+4"/>
        <source>value %1, min %2</source>
        <translation>valore %1, min %2</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>value %1 %, min %2 %</source>
        <translation>valore %1 %, min %2 %</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>value %1, max %2 %</source>
        <translation>valore %1, max %2 %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>value %1, max %2</source>
        <translation>valore %1, max %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>EEPROM: bad serial</source>
        <translation>EEPROM: numero di serie errato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EEPROM: bad firmware version</source>
        <translation>EEPROM: versione firmware errata</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EEPROM: bad deco type</source>
        <translation>EEPROM: tipo deco errato</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Bad CF settings:</source>
        <translation>Impostazioni CF errate:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Battery: bad min tp %1°C</source>
        <translation>Batteria: temp. min errata %1°C</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Battery: bad max tp %1°C</source>
        <translation>Batteria: temp. max errata %1°C</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Battery: bad min/max tp %1°C %2°C</source>
        <translation>Batteria: temp. min/max errata %1°C %2°C</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Battery: bad low %1 volt</source>
        <translation>Batteria: tensione minima errata %1 volt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Battery: bad cycle count %1</source>
        <translation>Batteria: numero di cicli errato %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Battery: bad total cycle count %1</source>
        <translation>Batteria: numero totale di cicli errato %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Battery: no last charge date</source>
        <translation>Batteria: nessuna data dell&apos;ultima carica</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Battery: bad last charge date</source>
        <translation>Batteria: data dell&apos;ultima carica errata</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Battery: bad date</source>
        <translation>Batteria: data errata</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <location filename="../../profiles/logbook_files.cpp" line="+49"/>
        <source>Unsupported XML format (neither DivingLog or Shearwater)</source>
        <translation>Formato XML non supportato (né DivingLog né Shearwater)</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Cannot open profile.</source>
        <translation>Impossibile aprire il profilo.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>its root element is not &lt;%1&gt;</source>
        <translation>il suo elemento radice non è &lt;%1&gt;</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Unknown file format.</source>
        <translation>Formato di file sconosciuto.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cannot load profile.</source>
        <translation>Impossibile caricare il profilo.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot load profile: no sample of &apos;%1&apos; has a depth.</source>
        <translation>Impossibile caricare il profilo: nessun campione di &apos;%1&apos; ha una profondità.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot load profile: all %1 samples of &apos;%2&apos; are at one time.</source>
        <translation>Impossibile caricare il profilo: tutti i %1 campioni di &apos;%2&apos; sono allo stesso istante.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Unknown save file format</source>
        <translation>Formato di salvataggio sconosciuto</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot save profile.</source>
        <translation>Impossibile salvare il profilo.</translation>
    </message>
    <message>
        <location filename="../../profiles/profile_readers.cpp" line="+134"/>
        <source>Sample time %1 s is not a dive time.</source>
        <translation>Il tempo di campione %1 s non è un tempo d&apos;immersione.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sample depth %1 m at %2 s is not a depth.</source>
        <translation>La profondità di campione %1 m a %2 s non è una profondità.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>elements nested more than %1 deep</source>
        <translation>elementi annidati per più di %1 livelli</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>line %1, column %2: %3</source>
        <translation>riga %1, colonna %2: %3</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Reading DivingLog XML format</source>
        <translation>Lettura del formato XML DivingLog</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Profile depths in feet (deepest %1 ft, the dive&apos;s maximum depth %2 m): converted to metres.</source>
        <translation>Profondità del profilo in piedi (massima %1 ft, profondità massima dell&apos;immersione %2 m): convertite in metri.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Profile depths reach %1 m but the dive&apos;s maximum depth is %2 m: the depths are read as metres.</source>
        <translation>Le profondità del profilo arrivano a %1 m ma la profondità massima dell&apos;immersione è %2 m: le profondità sono lette in metri.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Reading Shearwater XML format</source>
        <translation>Lettura del formato XML Shearwater</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dive starting: %1</source>
        <translation>Inizio immersione: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Setpoints not recorded.</source>
        <translation>Setpoint non registrati.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Using SP#1 as SP_low=%1, SP#2 as SP_high=%2</source>
        <translation> Uso SP#1 come SP_low=%1, SP#2 come SP_high=%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> Using SP_low=%1, SP_high=%2</source>
        <translation> Uso SP_low=%1, SP_high=%2</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Recorded ppO2 %1 bar at %2 s is not a ppO2.</source>
        <translation>La ppO2 registrata %1 bar a %2 s non è una ppO2.</translation>
    </message>
    <message>
        <location filename="../../profiles/uddf_formats.cpp" line="+147"/>
        <source>This is a CCR dive.</source>
        <translation>È un&apos;immersione CCR.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>This is an OC dive.</source>
        <translation>È un&apos;immersione OC.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Unknown OC/CCR mode.</source>
        <translation>Modalità OC/CCR sconosciuta.</translation>
    </message>
    <message>
        <location line="+45"/>
        <location line="+160"/>
        <source>Mix %1 is not a breathable mix.</source>
        <translation>La miscela %1 non è respirabile.</translation>
    </message>
    <message>
        <location line="-121"/>
        <source>Setpoint %1 Pa at %2 s is not a setpoint.</source>
        <translation>Il setpoint %1 Pa a %2 s non è un setpoint.</translation>
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
        <translation>CAMBIO Gas#%1 -&gt; Gas#%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source> at %1m</source>
        <comment>gaz switch</comment>
        <translation> a %1m</translation>
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
        <translation>Formato HEX errato</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Bad HEX checksum</source>
        <translation>Checksum HEX errato</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Bad HEX record length</source>
        <translation>Lunghezza del record HEX errata</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>BAD HEX address</source>
        <translation>Indirizzo HEX ERRATO</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Double write</source>
        <translation>Scrittura doppia</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Bad HEX Segment Address record</source>
        <translation>Record HEX Segment Address errato</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bad HEX Extended Linear Address Record</source>
        <translation>Record HEX Extended Linear Address errato</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Bad HEX subtype</source>
        <translation>Sottotipo HEX errato</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1KB loaded (%2% of firmware area)</source>
        <translation>%1 KB caricati (%2% dell&apos;area firmware)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 (line %2)</source>
        <translation>%1 (riga %2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Missing HEX end-of-file record</source>
        <translation>Manca il record di fine file HEX</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Can&apos;t open HEX file</source>
        <translation>Impossibile aprire il file HEX</translation>
    </message>
</context>
<context>
    <name>LogCheck</name>
    <message>
        <location filename="../../planner/log_check.cpp" line="+24"/>
        <source>%1: plan %2 %5, log %3 %5 (%4)</source>
        <translation>%1: piano %2 %5, log %3 %5 (%4)</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>The log holds no dive: no depth below the surface</source>
        <translation>Il log non contiene alcuna immersione: nessuna profondità sotto la superficie</translation>
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
        <translation>profondità massima</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>bottom time</source>
        <translation>tempo di fondo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>runtime</source>
        <translation>tempo totale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>total stop time</source>
        <translation>tempo totale delle soste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TTS at the end of the bottom</source>
        <translation>TTS alla fine del fondo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CNS</source>
        <translation>CNS</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ceiling kept during the whole dive</source>
        <translation>ceiling rispettato per tutta l&apos;immersione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>above the ceiling from %1 to %2 min, worst %3 m above it</source>
        <translation>sopra il ceiling da %1 a %2 min, al massimo %3 m sopra</translation>
    </message>
</context>
<context>
    <name>LogCheckInterface</name>
    <message>
        <location filename="../../app/log_check_window.cpp" line="+41"/>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No parameter file %1</source>
        <translation>Nessun file dei parametri %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Logbook files (*.xml *.uddf *.udcf);;All files (*)</source>
        <translation>File di logbook (*.xml *.uddf *.udcf);;Tutti i file (*)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dive parameters (*.div);;All files (*)</source>
        <translation>Parametri di immersione (*.div);;Tutti i file (*)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Current configuration</source>
        <translation>Configurazione attuale</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+1"/>
        <source>Parameter file</source>
        <translation>File dei parametri</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Read from the computer</source>
        <translation>Letta dal computer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current parameters</source>
        <translation>Parametri attuali</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Logged dive:</source>
        <translation>Immersione registrata:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Dived with:</source>
        <translation>Immersa con:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Planned as:</source>
        <translation>Pianificata come:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Another command is running</source>
        <translation>Un altro comando è in corso</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The configuration was not read from the computer: %1</source>
        <translation>La configurazione non è stata letta dal computer: %1</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>plan</source>
        <translation>piano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>log %1</source>
        <translation>log %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ceiling of the log</source>
        <translation>ceiling del log</translation>
    </message>
</context>
<context>
    <name>OstcProtocol</name>
    <message>
        <location filename="../../device/ostc_protocol.cpp" line="+122"/>
        <source>bank %1, write command: %2</source>
        <translation>banco %1, comando di scrittura: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bank %1, byte %2: %3</source>
        <translation>banco %1, byte %2: %3</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Can&apos;t validate EEPROM contains</source>
        <translation>Impossibile convalidare il contenuto della EEPROM</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>CFI...</source>
        <translation>CFI...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CFI done.</source>
        <translation>CFI fatto.</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>CFII...</source>
        <translation>CFII...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CFII done.</source>
        <translation>CFII fatto.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>CFIII...</source>
        <translation>CFIII...</translation>
    </message>
    <message>
        <location line="-68"/>
        <source>no answer from the computer</source>
        <translation>nessuna risposta dal computer</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Downloading OSTC configuration (%1)</source>
        <translation>Scaricamento configurazione OSTC (%1)</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>CFIII done.</source>
        <translation>CFIII fatto.</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Readback differ</source>
        <translation>La rilettura differisce</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Uploading OSTC configuration (%1)</source>
        <translation>Invio della configurazione OSTC (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Upload failed; writing back the computer&apos;s previous configuration...</source>
        <translation>Invio non riuscito; riscrittura della configurazione precedente del computer...</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The computer holds its previous configuration again.</source>
        <translation>Il computer ha di nuovo la sua configurazione precedente.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bank 0 may be partly written.</source>
        <translation>Il banco 0 potrebbe essere scritto solo in parte.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Banks 0 to %1 are new, bank %2 may be partly written.</source>
        <translation>I banchi da 0 a %1 sono nuovi, il banco %2 potrebbe essere scritto solo in parte.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The previous configuration could not be written back: %1 Upload again, or upload the backup.</source>
        <translation>Impossibile riscrivere la configurazione precedente: %1 Inviare di nuovo, oppure inviare il backup.</translation>
    </message>
    <message>
        <location line="+42"/>
        <location line="+8"/>
        <source>Sync failed (%1)</source>
        <translation>Sincronizzazione non riuscita (%1)</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Dump screen failed (%1)</source>
        <translation>Cattura schermo non riuscita (%1)</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Screen dumped.</source>
        <translation>Schermo catturato.</translation>
    </message>
    <message>
        <location line="+46"/>
        <location line="+24"/>
        <source>Write failed</source>
        <translation>Scrittura non riuscita</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Bad checksum at 0x%1</source>
        <translation>Checksum errato a 0x%1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Cannot start firmware upgrade</source>
        <translation>Impossibile avviare l&apos;aggiornamento del firmware</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cannot sync firmware upgrade</source>
        <translation>Impossibile sincronizzare l&apos;aggiornamento del firmware</translation>
    </message>
</context>
<context>
    <name>PlanComparison</name>
    <message>
        <location filename="../../planner/plan_comparison.cpp" line="+185"/>
        <source>runtime (min)</source>
        <translation>tempo totale (min)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>TTS (min)</source>
        <translation>TTS (min)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>first stop (m)</source>
        <translation>prima sosta (m)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>total stop time (min)</source>
        <translation>tempo totale delle soste (min)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CNS (%)</source>
        <translation>CNS (%)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>max ppO2 (bar)</source>
        <translation>ppO2 max (bar)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 (litres)</source>
        <translation>%1 (litri)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 (bar)</source>
        <translation>%1 (bar)</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>figure</source>
        <translation>valore</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <location filename="../../app/plan_plot.cpp" line="+44"/>
        <source>%1 ceiling</source>
        <translation>ceiling %1</translation>
    </message>
    <message>
        <location filename="../../cli/plan_tool_steps.cpp" line="+41"/>
        <source>plans: %1</source>
        <translation>piani: %1</translation>
    </message>
</context>
<context>
    <name>PlanComparisonInterface</name>
    <message>
        <location filename="../../app/plan_comparison_window.cpp" line="+66"/>
        <source>Add current plan</source>
        <translation>Aggiungi il piano attuale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add log...</source>
        <translation>Aggiungi log...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rename...</source>
        <translation>Rinomina...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make current</source>
        <translation>Rendi attuale</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export CSV...</source>
        <translation>Esporta CSV...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export PDF...</source>
        <translation>Esporta PDF...</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Add a logged dive</source>
        <translation>Aggiungi un&apos;immersione registrata</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Logbook files (*.xml *.uddf *.udcf);;All files (*)</source>
        <translation>File di logbook (*.xml *.uddf *.udcf);;Tutti i file (*)</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Rename plan</source>
        <translation>Rinomina piano</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Export the comparison</source>
        <translation>Esporta il confronto</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>PlanPlot</name>
    <message>
        <location filename="../../app/plan_plot.cpp" line="-28"/>
        <source>time (min)</source>
        <translation>tempo (min)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>depth (m)</source>
        <translation>profondità (m)</translation>
    </message>
</context>
<context>
    <name>PlanSheetInterface</name>
    <message>
        <location filename="../../app/plan_sheet.cpp" line="+152"/>
        <location line="+163"/>
        <source>Plan sheet</source>
        <comment>Window Title</comment>
        <translation>Scheda del piano</translation>
    </message>
    <message>
        <location line="-162"/>
        <source>Deeper by (m):</source>
        <translation>Più profondo di (m):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longer by (min):</source>
        <translation>Più lungo di (min):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cylinder (l)</source>
        <translation>Bombola (l)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fill (bar)</source>
        <translation>Carica (bar)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reserve rule:</source>
        <translation>Regola di riserva:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slate page:</source>
        <translation>Formato lavagnetta:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contingencies (bar used in red and marked &quot;!&quot; where the reserve rule breaks):</source>
        <translation>Varianti di emergenza (bar consumati in rosso e segnati &quot;!&quot; dove la regola di riserva è violata):</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print...</source>
        <translation>Stampa...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+127"/>
        <source>Save slate...</source>
        <translation>Salva lavagnetta...</translation>
    </message>
    <message>
        <location line="-126"/>
        <location line="+133"/>
        <source>Save plan file...</source>
        <translation>Salva file del piano...</translation>
    </message>
    <message>
        <location line="-88"/>
        <source>Gas %1 (%2):</source>
        <translation>Gas %1 (%2):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gas %1 (off):</source>
        <translation>Gas %1 (spento):</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Variant</source>
        <translation>Variante</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Runtime (min)</source>
        <translation>Tempo totale (min)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TTS (min)</source>
        <translation>TTS (min)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>First stop (m)</source>
        <translation>Prima sosta (m)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stops (min)</source>
        <translation>Soste (min)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CNS (%)</source>
        <translation>CNS (%)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max ppO2 (bar)</source>
        <translation>ppO2 max (bar)</translation>
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
        <translation>Lavagnette (*.pdf *.svg *.png)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Plan files (*.json *.csv)</source>
        <comment>file format</comment>
        <translation>File di piano (*.json *.csv)</translation>
    </message>
</context>
<context>
    <name>PlotDialog</name>
    <message>
        <location filename="../plot_dialog.ui" line="+14"/>
        <source>Plot</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Save image...</source>
        <translation>Salva immagine...</translation>
    </message>
</context>
<context>
    <name>PlotInterface</name>
    <message>
        <location filename="../../plot/plot_export.cpp" line="+31"/>
        <source>Jpeg image</source>
        <comment>file format</comment>
        <translation>Immagine JPEG</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PNG image</source>
        <comment>file format</comment>
        <translation>Immagine PNG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TIFF image</source>
        <comment>file format</comment>
        <translation>Immagine TIFF</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF file</source>
        <comment>file format</comment>
        <translation>File PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SVG file</source>
        <comment>file format</comment>
        <translation>File SVG</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>No image file name: &quot;%1&quot;</source>
        <comment>Save plot as image</comment>
        <translation>Nessun nome di file immagine: &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>the PDF could not be made in %1</source>
        <translation>impossibile creare il PDF in %1</translation>
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
        <translation>profondità</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ceiling</source>
        <comment>Plot legend</comment>
        <translation>tetto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>leading tissue</source>
        <comment>Plot axis</comment>
        <translation>tessuto guida</translation>
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
        <translation>NDL/sosta</translation>
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
        <translation>Aria</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Dive traces</source>
        <comment>Plot title</comment>
        <translation>Tracce d&apos;immersione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tissues plot</source>
        <comment>Plot title</comment>
        <translation>Grafico dei tessuti</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Depth [m]</source>
        <comment>Plot axis</comment>
        <translation>Profondità [m]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>time [min]</source>
        <comment>Plot axis</comment>
        <translation>tempo [min]</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>P. ambient [absolute, bar]</source>
        <comment>Plot axis</comment>
        <translation>P. ambiente [assoluta, bar]</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>P. tissue [N2+He, bar]</source>
        <comment>Plot axis</comment>
        <translation>P. tessuto [N2+He, bar]</translation>
    </message>
    <message>
        <location filename="../../plot/plot_tissues.cpp" line="-69"/>
        <source>Surface</source>
        <comment>Plot label</comment>
        <translation>Superficie</translation>
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
        <translation>Totale= %2</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Dump image to...</source>
        <comment>Save plot as image</comment>
        <translation>Salva immagine come...</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Saving plot %1</source>
        <comment>Console</comment>
        <translation>Salvataggio grafico %1</translation>
    </message>
</context>
<context>
    <name>ProfileEditorInterface</name>
    <message>
        <location filename="../../profiles/profile_editor.cpp" line="+125"/>
        <source>depth [m]</source>
        <translation>profondità [m]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time [min]</source>
        <translation>Tempo [min]</translation>
    </message>
    <message>
        <location line="+79"/>
        <location line="+19"/>
        <source>Loading profile...</source>
        <translation>Carica profilo...</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>All supported profiles (*.xml *.uddf *.udcf);;XML: DivingLog 5, Shearwater Desktop (*.xml);;UDDF: DivingLog 2 or 3 (*.uddf);;UDCF: MacDive (*.udcf);;</source>
        <translation>Tutti i profili supportati (*.xml *.uddf *.udcf);;XML: DivingLog 5, Shearwater Desktop (*.xml);;UDDF: DivingLog 2 o 3 (*.uddf);;UDCF: MacDive (*.udcf);;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The profile &apos;%1&apos; was not loaded: %2</source>
        <translation>Il profilo &apos;%1&apos; non è stato caricato: %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Saving profile...</source>
        <translation>Salva profilo...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DivingLog XML (*.xml);;DivingLog UDDF (*.uddf);;</source>
        <translation>DivingLog XML (*.xml);;DivingLog UDDF (*.uddf);;</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Gas Change...</source>
        <translation>Cambio gas...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>new gas =</source>
        <translation>nuovo gas =</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>&lt;font color=&apos;red&apos;&gt;Recorded ppO2 [bar]&lt;/font&gt;</source>
        <translation>&lt;font color=&apos;red&apos;&gt;ppO2 registrata [bar]&lt;/font&gt;</translation>
    </message>
</context>
<context>
    <name>ProfileEditorWidget</name>
    <message>
        <location filename="../../profiles/profile_editor.ui" line="+6"/>
        <source>Profile Editor</source>
        <translation>Editor di profili</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Profile</source>
        <translation>Profilo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Load...</source>
        <translation>Carica...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save...</source>
        <translation>Salva...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Segments</source>
        <translation>Segmenti</translation>
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
        <translation>Aggiungi tratto</translation>
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
        <translation>Punti</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Off</source>
        <translation>Inattivo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Add point</source>
        <translation>Aggiungi punto</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Delete point</source>
        <translation>Elimina punto</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Set gas change</source>
        <translation>Imposta cambio gas</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Redo</source>
        <translation>Ripeti</translation>
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
        <translation>Impossibile scrivere &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>cannot copy the old file</source>
        <translation>impossibile copiare il file precedente</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>cannot write the settings</source>
        <translation>impossibile scrivere le impostazioni</translation>
    </message>
</context>
<context>
    <name>Script</name>
    <message>
        <location filename="../../script/script.cpp" line="+248"/>
        <source>Script stopped: %1</source>
        <translation>Script fermato: %1</translation>
    </message>
</context>
<context>
    <name>SerialOSTC</name>
    <message>
        <location filename="../../device/serial_ostc.cpp" line="+46"/>
        <source>FAILED: </source>
        <translation>NON RIUSCITO: </translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Connecting %1</source>
        <translation>Connessione a %1</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Reading OSTC %1 done.</source>
        <translation>Lettura dell&apos;OSTC %1 completata.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The computer&apos;s configuration before the upload is kept in &apos;%1&apos;.</source>
        <translation>La configurazione del computer prima dell&apos;invio è conservata in &apos;%1&apos;.</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Programming OSTC %1 done.</source>
        <translation>Programmazione dell&apos;OSTC %1 completata.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Date and time set to %1</source>
        <translation>Data e ora impostate a %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>SYNC FAILED</source>
        <translation>SINCRONIZZAZIONE NON RIUSCITA</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>FAILED</source>
        <translation>NON RIUSCITO</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>the image cannot be written as %1</source>
        <translation>l&apos;immagine non può essere scritta come %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Firmware...</source>
        <translation>Firmware...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save screen dump...</source>
        <translation>Salva cattura schermo...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Image PNG (*.png);;Image JPEG (*.jpeg;*.jpg);;Image TIFF (*.tiff;*.tif)</source>
        <translation>Immagine PNG (*.png);;Immagine JPEG (*.jpeg;*.jpg);;Immagine TIFF (*.tiff;*.tif)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Loading &apos;%1&apos;</source>
        <translation>Caricamento di &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Starting OSTC upgrade...</source>
        <translation>Avvio aggiornamento OSTC...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OSTC upgrade done. rebooting...</source>
        <translation>Aggiornamento OSTC completato, riavvio...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>UPGRADE FAILED</source>
        <translation>AGGIORNAMENTO NON RIUSCITO</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The computer keeps its boot loader but not a whole program: upgrade it again before diving.</source>
        <translation>Il computer conserva il boot loader ma non un programma completo: aggiornarlo di nuovo prima di immergersi.</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <location filename="../../device/serial_port.cpp" line="+58"/>
        <source>Unknown port</source>
        <translation>Porta sconosciuta</translation>
    </message>
    <message>
        <location filename="../../device/serial_port.h" line="+45"/>
        <source>Unable to open port</source>
        <translation>Impossibile aprire la porta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No port chosen: choose the OSTC&apos;s port in the settings</source>
        <translation>Nessuna porta scelta: scegliere la porta dell&apos;OSTC nelle impostazioni</translation>
    </message>
    <message>
        <location filename="../../device/serial_port.cpp" line="+14"/>
        <source>Unable to set COM port config</source>
        <translation>Impossibile configurare la porta</translation>
    </message>
    <message>
        <location filename="../../device/serial_port.h" line="-2"/>
        <source>Port not open</source>
        <translation>Porta non aperta</translation>
    </message>
    <message>
        <location filename="../../device/serial_port.cpp" line="+163"/>
        <source>readByte error</source>
        <translation>Errore readByte</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>readBlock error</source>
        <translation>Errore readBlock</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>writeBlock error</source>
        <translation>Errore writeBlock</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+4"/>
        <source>writeByte error</source>
        <translation>Errore writeByte</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../settings.ui" line="+6"/>
        <source>Bathyra settings</source>
        <translation>Impostazioni di Bathyra</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Language:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Communication port:</source>
        <translation>Porta di comunicazione:</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Serial port of the OSTC; a device path (such as /dev/pts/3) may be typed.</source>
        <translation>Porta seriale dell&apos;OSTC; si può digitare il percorso di un dispositivo (come /dev/pts/3).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No serial port found.</source>
        <translation>Nessuna porta seriale trovata.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Verbose simulations</source>
        <translation>Simulazioni dettagliate</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Auto setup of date &amp;&amp; time</source>
        <translation>Imposta automaticamente data e ora</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>If checked, any configuration upload will also setup date and time.</source>
        <translation>Se selezionato, ogni invio della configurazione imposta anche data e ora.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Border line in deco plan</source>
        <translation>Bordi nel piano deco</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Beta features</source>
        <translation>Funzioni beta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Allows also beta features, not fully finished and/ord tested.</source>
        <translation>Consente anche funzioni beta, non del tutto finite o collaudate.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Reset all settings</source>
        <translation>Ripristina tutte le impostazioni</translation>
    </message>
</context>
<context>
    <name>SolveDialog</name>
    <message>
        <location filename="../../app/solve_dialog.cpp" line="+21"/>
        <source>no decompression</source>
        <translation>nessuna decompressione</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>runtime at most</source>
        <translation>tempo totale al massimo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TTS at most</source>
        <translation>TTS al massimo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>total stop time at most</source>
        <translation>tempo totale delle soste al massimo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>every cylinder within the reserve rule</source>
        <translation>ogni bombola entro la regola di riserva</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Solve</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Use as bottom time</source>
        <translation>Usa come tempo di fondo</translation>
    </message>
</context>
<context>
    <name>UpdatesPlanner</name>
    <message>
        <location filename="../../updates/updates_planner.cpp" line="+77"/>
        <source>Update server &apos;%1&apos; is not a valid http or https address.</source>
        <translation>Il server degli aggiornamenti &apos;%1&apos; non è un indirizzo http o https valido.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>no firmware data</source>
        <translation>nessun dato firmware</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Downloaded firmware %1 is not a valid HEX file: %2</source>
        <translation>Il firmware %1 scaricato non è un file HEX valido: %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Firmware %1 available...</source>
        <translation>Firmware %1 disponibile...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Version %1 of the &lt;i&gt;OSTC&lt;/i&gt; firmware is available. Please consider upgrading your computer...</source>
        <translation>È disponibile la versione %1 del firmware dell&apos;&lt;i&gt;OSTC&lt;/i&gt;. Valuta di aggiornare il tuo computer...</translation>
    </message>
</context>
<context>
    <name>Window Title</name>
    <message>
        <location filename="../../plot/plot_interface.cpp" line="-174"/>
        <location filename="../../app/bathyra_runs.cpp" line="+84"/>
        <source>Dive profile</source>
        <translation>Profilo d&apos;immersione</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../app/bathyra_runs.cpp" line="+100"/>
        <source>Tissues plot</source>
        <translation>Grafico dei tessuti</translation>
    </message>
    <message>
        <location filename="../../app/log_check_window.cpp" line="-97"/>
        <source>Plan against log</source>
        <translation>Piano contro log</translation>
    </message>
    <message>
        <location filename="../../app/plan_comparison_window.cpp" line="-235"/>
        <source>Compare plans</source>
        <translation>Confronta piani</translation>
    </message>
    <message>
        <location filename="../../app/solve_dialog.cpp" line="-18"/>
        <source>Longest bottom time</source>
        <translation>Tempo di fondo massimo</translation>
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
        <translation>tutto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>half</source>
        <translation>metà</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>two thirds</source>
        <translation>due terzi</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>plan</source>
        <translation>piano</translation>
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
        <translation>%1 perso</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>bail-out</source>
        <translation>bail-out</translation>
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
        <translation>Tempo</translation>
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
        <translation>Sosta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stops</source>
        <translation>Soste</translation>
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
        <translation>Gas consumato</translation>
    </message>
    <message>
        <location filename="../../planner/plan_slate.cpp" line="-116"/>
        <location line="+284"/>
        <location line="+11"/>
        <source>Dive plan</source>
        <translation>Piano d&apos;immersione</translation>
    </message>
    <message>
        <location line="-294"/>
        <source>Dive plan: %1 m, %2 min</source>
        <translation>Piano d&apos;immersione: %1 m, %2 min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Model: %1</source>
        <translation>Modello: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Surface pressure: %1 mbar    SAC: bottom %2 l/min, deco %3 l/min</source>
        <translation>Pressione in superficie: %1 mbar    Consumo: fondo %2 l/min, deco %3 l/min</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Closed circuit, setpoint %1 bar</source>
        <translation>Circuito chiuso, setpoint %1 bar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open circuit</source>
        <translation>Circuito aperto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Configuration firmware %1</source>
        <translation>Firmware della configurazione %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Gases (MOD at ppO2 %1 bar)</source>
        <translation>Gas (MOD a ppO2 %1 bar)</translation>
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
        <translation>Profondità di cambio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cylinder</source>
        <translation>Bombola</translation>
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
        <translation>primo gas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 l, %2 bar</source>
        <translation>%1 l, %2 bar</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Runtime</source>
        <translation>Tempi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Depth</source>
        <translation>Profondità</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>switch to %1 at %2 m before the stop</source>
        <translation>passare a %1 a %2 m prima della sosta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the loop</source>
        <translation>il circuito</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>loop %1</source>
        <translation>circuito %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Contingencies</source>
        <translation>Varianti di emergenza</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bar used per cylinder; &quot;!&quot; breaks the reserve rule (use %1)</source>
        <translation>Bar consumati per bombola; &quot;!&quot; viola la regola di riserva (usare %1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1st stop</source>
        <translation>1ª sosta</translation>
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
        <translation>Questi sono i calcoli propri del computer subacqueo, eseguiti da Bathyra con il codice di decompressione del computer.</translation>
    </message>
    <message>
        <location line="+151"/>
        <source>Cannot write &apos;%1&apos;: slates end in .pdf, .svg or .png</source>
        <translation>Impossibile scrivere &apos;%1&apos;: le lavagnette finiscono in .pdf, .svg o .png</translation>
    </message>
</context>
<context>
    <name>planner::PlanFiles</name>
    <message>
        <location filename="../../planner/plan_files.cpp" line="+188"/>
        <source>Cannot write &apos;%1&apos;: plan files end in .csv or .json</source>
        <translation>Impossibile scrivere &apos;%1&apos;: i file di piano finiscono in .csv o .json</translation>
    </message>
</context>
<context>
    <name>planner::PlanParameters</name>
    <message>
        <location filename="../../planner/plan_parameters.cpp" line="+163"/>
        <source>unknown planning input %1</source>
        <translation>input di pianificazione sconosciuto %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: %2 is not a number</source>
        <translation>%1: %2 non è un numero</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: %2 is neither true nor false</source>
        <translation>%1: %2 non è né true né false</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1: %2 is outside %3 to %4</source>
        <translation>%1: %2 è fuori da %3 a %4</translation>
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
        <translation>Decompressione Bühlmann ZH-L16C-1a 2002 standard:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  saturation factor (CF11) = %1 %</source>
        <translation>*  fattore di saturazione (CF11) = %1 %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  desaturation factor (CF12) = %1 %</source>
        <translation>*  fattore di desaturazione (CF12) = %1 %</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bühlmann ZH-L16C-1a 2002 with GRADIENT FACTOR decompression:</source>
        <translation>Decompressione Bühlmann ZH-L16C-1a 2002 con FATTORI DI GRADIENTE:</translation>
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
        <translation>*  offset deco (CF16) = %1 m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  last stop (CF29) = %1 m</source>
        <translation>*  ultima sosta (CF29) = %1 m</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>*  dive started at Pamb = %1 mbar</source>
        <translation>*  immersione iniziata a Pamb = %1 mbar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>*  dive continued at depth = %1 m</source>
        <translation>*  immersione proseguita alla profondità = %1 m</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>*  Interval with previous dive = %1&apos;</source>
        <translation>*  Intervallo dall&apos;immersione precedente = %1&apos;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  Gas switch delay (CF55) = %1 min</source>
        <translation>*  Attesa al cambio gas (CF55) = %1 min</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>CCR mode:</source>
        <translation>Modalità CCR:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  Setpoint1: %1</source>
        <translation>*  Setpoint1: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  Diluant Gas#%1 = %2</source>
        <translation>*  Diluente Gas#%1 = %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OC gas list:</source>
        <translation>Elenco gas OC:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  First Gas#%1 = %2</source>
        <translation>*  Primo Gas#%1 = %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>*  Bailout Gas#%1 = %2 at %3 m</source>
        <translation>*  Bailout Gas#%1 = %2 a %3 m</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>*  Deco Gas#%1 = %2 at %3 m</source>
        <translation>*  Deco Gas#%1 = %2 a %3 m</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>WARNING: Gas#%1 %2 is switched to at %3 m, deeper than its MOD of %4 m at ppO2 %5 bar</source>
        <translation>ATTENZIONE: cambio a Gas#%1 %2 a %3 m, più profondo della sua MOD di %4 m a ppO2 %5 bar</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>SWITCH Gas#%1 -&gt; Gas#%2</source>
        <translation>CAMBIO Gas#%1 -&gt; Gas#%2</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>BREAK ON STOP @ %1m</source>
        <translation>PAUSA ALLA SOSTA @ %1m</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>SWITCH Setpoint %1 -&gt; %2</source>
        <translation>CAMBIO Setpoint %1 -&gt; %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>BREAK ON BETTER Gas#%1</source>
        <translation>PAUSA PER GAS MIGLIORE Gas#%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>BREAK ON SETPOINT</source>
        <translation>PAUSA AL SETPOINT</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>CCR Runtime</source>
        <translation>Runtime CCR</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+77"/>
        <source>OC Runtime</source>
        <translation>Runtime OC</translation>
    </message>
    <message>
        <location line="-47"/>
        <source>Future TTS</source>
        <translation>TTS futuro</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Future RT </source>
        <translation>RT futuro </translation>
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
        <translation>Deco:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>TTS</source>
        <translation>TTS</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>DESCENT DONE</source>
        <translation>DISCESA COMPLETATA</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>STOP</source>
        <translation>SOSTA</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ASCENT DONE</source>
        <translation>RISALITA COMPLETATA</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>NoFly</source>
        <translation>NoFly</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Desat</source>
        <translation>Desat</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Already surfaced: no more gas consumation</source>
        <translation>Già in superficie: nessun altro consumo di gas</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>BAIL-OUT Runtime</source>
        <translation>Runtime BAIL-OUT</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Max depth                     = %1 m</source>
        <translation>Profondità max                = %1 m</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average before ascent     = %1 m</source>
        <translation>Media prima della risalita = %1 m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time before ascent            = %1 min</source>
        <translation>Tempo prima della risalita    = %1 min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bottom gas consumption (CF56) = %1 l/min</source>
        <translation>Consumo sul fondo (CF56)      = %1 l/min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ascent gas consumption (CF57) = %1 l/min</source>
        <translation>Consumo in risalita (CF57)    = %1 l/min</translation>
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
        <translation>%1 a %2 m</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>BAD MIX: Gas#%1 has O2 %2% + He %3%, more than 100%</source>
        <translation>MISCELA ERRATA: Gas#%1 ha O2 %2% + He %3%, più del 100%</translation>
    </message>
</context>
</TS>
