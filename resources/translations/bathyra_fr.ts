<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>Charger...</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1944"/>
        <source>Load all model/dive parameters from a *.div file.&lt;br&gt;[Ctrl+L]</source>
        <translation>Charger tous les paramètres du modèle et de la plongée depuis un fichier *.div.&lt;br&gt;[Ctrl+L]</translation>
    </message>
    <message>
        <location line="-1937"/>
        <source>Save...</source>
        <translation>Enregistrer...</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1948"/>
        <source>Save all model/dive parameters into a *.div file.&lt;br&gt;[Ctrl+S]</source>
        <translation>Enregistrer tous les paramètres du modèle et de la plongée dans un fichier *.div.&lt;br&gt;[Ctrl+S]</translation>
    </message>
    <message>
        <location line="-1941"/>
        <source>Download</source>
        <translation>Lire</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1968"/>
        <source>Read configuration (customtext, model, gas, setpoints, and all CFs) from OSTC.</source>
        <translation>Lire la configuration (texte perso, modèle, gaz, setpoints et toutes les CF) depuis l&apos;OSTC.</translation>
    </message>
    <message>
        <location line="-1961"/>
        <source>Edit CF...</source>
        <translation>Éditer CF...</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1969"/>
        <source>Edit custom text and all &lt;i&gt;custom functions&lt;/i&gt;.</source>
        <translation>Éditer le texte perso et toutes les &lt;i&gt;fonctions personnalisées&lt;/i&gt;.</translation>
    </message>
    <message>
        <location line="-1962"/>
        <source>Upload CF</source>
        <translation>Écrire CF</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+1970"/>
        <source>Write configuration (customtext, model, gas, setpoints, and all CFs) to OSTC.</source>
        <translation>Écrire la configuration (texte perso, modèle, gaz, setpoints et toutes les CF) dans l&apos;OSTC.</translation>
    </message>
    <message>
        <location line="-1963"/>
        <source> Screen Dump</source>
        <translation> Capture écran</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Download a copy of OSTC screen, and save to disk.</source>
        <translation>Lire une copie de l&apos;écran de l&apos;OSTC et l&apos;enregistrer sur le disque.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Upgrade</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Upgrade OSTC firmware.</source>
        <translation>Mettre à jour le firmware de l&apos;OSTC.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Date &amp;&amp; Time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set OSTC date and time to your computer&apos;s time.</source>
        <translation>Régler la date et l&apos;heure de l&apos;OSTC sur l&apos;heure de l&apos;ordinateur.</translation>
    </message>
    <message>
        <location line="+26"/>
        <location line="+1861"/>
        <source>Settings...</source>
        <translation>Paramètres...</translation>
    </message>
    <message>
        <location line="-1854"/>
        <location line="+1970"/>
        <source>Help</source>
        <translation>Aide</translation>
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
        <translation>À propos</translation>
    </message>
    <message>
        <location line="-1958"/>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Decompression Model:</source>
        <translation>Modèle de décompression :</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Bühlmann</source>
        <translation>Bühlmann</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sat:</source>
        <translation>Sat. :</translation>
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
        <translation>Facteur de saturation (CF11).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Desat:</source>
        <translation>Désat. :</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Desaturation multiplier (CF12).</source>
        <translation>Facteur de désaturation (CF12).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Gradient Factor</source>
        <translation>Facteur de gradient</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Low:</source>
        <translation>Bas :</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Gradient factor low (CF32).</source>
        <translation>Facteur de gradient bas (CF32).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>High:</source>
        <translation>Haut :</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Gradient factor high (CF33).</source>
        <translation>Facteur de gradient haut (CF33).</translation>
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
        <translation>Liste des gaz :</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Gas 1</source>
        <translation>Gaz 1</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+114"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <source>first</source>
        <translation>premier</translation>
    </message>
    <message>
        <location line="-437"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <source>O2:</source>
        <translation>O2 :</translation>
    </message>
    <message>
        <location line="-415"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <source>He:</source>
        <translation>He :</translation>
    </message>
    <message>
        <location line="-415"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <location line="+111"/>
        <source>at</source>
        <translation>à</translation>
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
        <translation>MOD : 66m, EAD : ---, END : ---</translation>
    </message>
    <message>
        <location line="-437"/>
        <source>Gas 2</source>
        <translation>Gaz 2</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Gas 3</source>
        <translation>Gaz 3</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Gas 4</source>
        <translation>Gaz 4</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Gas 5</source>
        <translation>Gaz 5</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Gas switch delay:</source>
        <translation>Délai changement gaz :</translation>
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
        <translation>Aucun</translation>
    </message>
    <message>
        <location line="-290"/>
        <source>Time to wait at a gas switch (CF55).</source>
        <translation>Temps d&apos;attente lors d&apos;un changement de gaz (CF55).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>CCR Setpoints:</source>
        <translation>Setpoints CCR :</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>SP1:</source>
        <translation>SP1 :</translation>
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
        <translation>SP2 :</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>SP3:</source>
        <translation>SP3 :</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Adjust fixed SP (CF39)</source>
        <translation>Ajuster SP fixe (CF39)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Dil 21/00, MOD: 40m, EAD: ---, END: ---</source>
        <translation>Dil 21/00, MOD : 40m, EAD : ---, END : ---</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Other OSTC dive settings:</source>
        <translation>Autres réglages de plongée OSTC :</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Deco offset:</source>
        <translation>Décalage déco :</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Deco distance (CF16).</source>
        <translation>Décalage de déco (CF16).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Last stop:</source>
        <translation>Dernier palier :</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Depth of the last stop (CF29).</source>
        <translation>Profondeur du dernier palier (CF29).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Future TTS:</source>
        <translation>TTS futur :</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Time to surface after staying this much longer (CF58).</source>
        <translation>Temps de remontée si l&apos;on reste ce temps de plus (CF58).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>ppO2 max:</source>
        <translation>ppO2 max :</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Highest ppO2 of a gas, used for its MOD (CF18).</source>
        <translation>ppO2 maximale d&apos;un gaz, utilisée pour sa MOD (CF18).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Bottom gas:</source>
        <translation>Conso. fond :</translation>
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
        <translation>Consommation de gaz au fond (CF56).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Ascent gas:</source>
        <translation>Conso. remontée :</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Gas usage during the ascent (CF57).</source>
        <translation>Consommation de gaz pendant la remontée (CF57).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Shallowest stop first (CF54)</source>
        <translation>Palier le moins profond d&apos;abord (CF54)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Dive planning:</source>
        <translation>Planification de plongée :</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Interval:</source>
        <translation>Intervalle :</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Reset</source>
        <translation>Nouvelle</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Surface interval before this dive; &lt;i&gt;Reset&lt;/i&gt; starts a new dive.</source>
        <translation>Intervalle de surface avant cette plongée ; &lt;i&gt;Nouvelle&lt;/i&gt; commence une nouvelle plongée.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Surface:</source>
        <translation>Surface :</translation>
    </message>
    <message>
        <location line="+22"/>
        <source> mbar</source>
        <translation> mbar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Atmospheric pressure at the surface.</source>
        <translation>Pression atmosphérique en surface.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Bottom time:</source>
        <translation>Temps au fond :</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Depth:</source>
        <translation>Profondeur :</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Ascent:</source>
        <translation>Remontée :</translation>
    </message>
    <message>
        <location line="+22"/>
        <source> m/min</source>
        <translation> m/min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ascent speed.</source>
        <translation>Vitesse de remontée.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Replay mode</source>
        <translation>Mode relecture</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Simulate</source>
        <translation>Simuler</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Gas volumes</source>
        <translation>Volumes de gaz</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Ascent</source>
        <translation>Remontée</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Plan sheet...</source>
        <translation>Fiche de plongée...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The plan with its contingencies (deeper, longer, a gas lost, bail-out) on one printable slate, and the plan files.</source>
        <translation>Le plan avec ses variantes de secours (plus profond, plus long, un gaz perdu, bail-out) sur une ardoise imprimable, et les fichiers du plan.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Replay dive</source>
        <translation>Rejouer la plongée</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Break on stops</source>
        <translation>Pause aux paliers</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Gas switches</source>
        <translation>Changements de gaz</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Break on gas switch</source>
        <translation>Pause au changement de gaz</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Setpoint changes</source>
        <translation>Changements de setpoint</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Break on setpoint change</source>
        <translation>Pause au changement de setpoint</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Recorded ppO2</source>
        <translation>ppO2 enregistrée</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Edit profile...</source>
        <translation>Éditer le profil...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Run</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Graphic output:</source>
        <translation>Sortie graphique :</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Depth</source>
        <translation>Profondeur</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Ceiling</source>
        <translation>Plafond</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Stop</source>
        <translation>Palier</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Lead Tissue</source>
        <translation>Tissu directeur</translation>
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
        <translation>Ajouter le runtime</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pressure diagram</source>
        <translation>Diagramme de pression</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Clear profile</source>
        <translation>Effacer le profil</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;OSTC</source>
        <translation>&amp;OSTC</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Planning</source>
        <translation>&amp;Planification</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>&amp;Load...</source>
        <translation>&amp;Charger...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Download</source>
        <translation>&amp;Lire</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Edit CF...</source>
        <translation>É&amp;diter CF...</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Upload CF</source>
        <translation>É&amp;crire CF</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Set Date &amp;&amp; Time</source>
        <translation>Régler date et heure</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set OSTC Date and Time.</source>
        <translation>Régler la date et l&apos;heure de l&apos;OSTC.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Simulate</source>
        <translation>&amp;Simuler</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1. Make a time/depth simulation segment.</source>
        <translation>1. Simuler un segment temps/profondeur.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Gas &amp;volumes</source>
        <translation>&amp;Volumes de gaz</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>2. Recompute decoplaning from here, and evaluate gas consumptions for each tank.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt;: You can change gas list and test different runtimes.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt;: In CCR mode, switch to BAILOUT escape runtime, hence &lt;i&gt;Add runtime&lt;/i&gt; will now plot bailout escape decoplaning.</source>
        <translation>2. Recalculer le plan de déco à partir d&apos;ici et évaluer la consommation de chaque bloc.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt; : vous pouvez changer la liste des gaz et tester différents runtimes.&lt;br&gt;&lt;b&gt;Note&lt;/b&gt; : en mode CCR, bascule sur le runtime de secours BAILOUT ; &lt;i&gt;Ajouter le runtime&lt;/i&gt; tracera alors le plan de déco en bailout.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Ascent</source>
        <translation>&amp;Remontée</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>3. Simulate an automatic ascent, obeying dynamically recomputed stops and gas changes.</source>
        <translation>3. Simuler une remontée automatique qui respecte les paliers et changements de gaz recalculés en continu.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Add &amp;runtime</source>
        <translation>Ajouter le &amp;runtime</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add instant decoplan runtime to diagram (should be done after a &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Gas Volumes&lt;/i&gt;).</source>
        <translation>Ajouter au diagramme le runtime du plan de déco actuel (après &lt;i&gt;Simuler&lt;/i&gt; ou &lt;i&gt;Volumes de gaz&lt;/i&gt;).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Clear profile</source>
        <translation>&amp;Effacer le profil</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remove all curves from dive profile.</source>
        <translation>Retirer toutes les courbes du profil de plongée.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Plan &amp;sheet...</source>
        <translation>&amp;Fiche de plongée...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The plan with its contingencies on one printable slate, and the plan files.</source>
        <translation>Le plan avec ses variantes de secours sur une ardoise imprimable, et les fichiers du plan.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pressure &amp;diagram</source>
        <translation>&amp;Diagramme de pression</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Plot tissues N2+He tensions during &lt;i&gt;Simulate&lt;/i&gt; or &lt;i&gt;Ascent&lt;/i&gt; in a separated window.</source>
        <translation>Tracer les tensions N2+He des tissus pendant &lt;i&gt;Simuler&lt;/i&gt; ou &lt;i&gt;Remontée&lt;/i&gt; dans une fenêtre séparée.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Check updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Check for new Bathyra and firmware updates.</source>
        <translation>Rechercher de nouvelles versions de Bathyra et du firmware.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Run script...</source>
        <translation>Exécuter un script...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Run an &lt;i&gt;Bathyra&lt;/i&gt;&apos;s script.</source>
        <translation>Exécuter un script &lt;i&gt;Bathyra&lt;/i&gt;.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Run all tests...</source>
        <translation>Exécuter tous les tests...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Run all validation tests, and save HTML reports.</source>
        <translation>Exécuter tous les tests de validation et enregistrer les rapports HTML.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Stop script</source>
        <translation>Arrêter le script</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stop the running script or tests.</source>
        <translation>Arrêter le script ou les tests en cours.</translation>
    </message>
</context>
<context>
    <name>BathyraApplication</name>
    <message>
        <location filename="../../app/application.cpp" line="+35"/>
        <source>Unhandled exception: %1</source>
        <comment>Console</comment>
        <translation>Exception non traitée : %1</translation>
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
        <translation>HYPOXIE : pas de simulation avec ppO2 &amp;le; 0.15 bar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BAD MIX: N2 ration should be in 0 .. 95%</source>
        <translation>MÉLANGE INVALIDE : la fraction de N2 doit être entre 0 et 95%</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BAD MIX: He ration should be in 0 .. 95%</source>
        <translation>MÉLANGE INVALIDE : la fraction de He doit être entre 0 et 95%</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>BAD MIX: N2+He ratio should be less than 100%</source>
        <translation>MÉLANGE INVALIDE : N2+He doit être inférieur à 100%</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NARCOSIS: won&apos;t simulate with ppN2 &amp;ge; 14 bar</source>
        <translation>NARCOSE : pas de simulation avec ppN2 &amp;ge; 14 bar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>HPNS: won&apos;t simulate with ppHe &amp;ge; 14 bar</source>
        <translation>HPNS : pas de simulation avec ppHe &amp;ge; 14 bar</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_device.cpp" line="+79"/>
        <source>FAILED</source>
        <translation>ÉCHEC</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_interface.cpp" line="+146"/>
        <source>Load dive parameters...</source>
        <translation>Charger les paramètres de plongée...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+37"/>
        <source>Dives params (*.div)</source>
        <comment>file format</comment>
        <translation>Paramètres de plongée (*.div)</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Cannot open %1: no readable file</source>
        <translation>Impossible d&apos;ouvrir %1 : aucun fichier lisible</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Save all parameters...</source>
        <comment>Save .div</comment>
        <translation>Enregistrer tous les paramètres...</translation>
    </message>
    <message>
        <location line="+66"/>
        <location line="+72"/>
        <source>Bathyra help</source>
        <translation>Aide de Bathyra</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>&lt;font size=&apos;+3&apos;&gt;&lt;i&gt;Bathyra&lt;/i&gt;&lt;/font&gt; &lt;i&gt;v%1%2 - OSTC firmware %3.%4%5&lt;/i&gt;&lt;br&gt;</source>
        <translation>&lt;font size=&apos;+3&apos;&gt;&lt;i&gt;Bathyra&lt;/i&gt;&lt;/font&gt; &lt;i&gt;v%1%2 - firmware OSTC %3.%4%5&lt;/i&gt;&lt;br&gt;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&lt;i&gt;Bathyra&lt;/i&gt; software purposes is:&lt;ul&gt;&lt;li&gt;To play with and understand the decompression parameters of your &lt;i&gt;OSTC&lt;/i&gt; computer (model, gradient factors, switch depth, etc.).&lt;li&gt;To plot simulated dive profiles and compare several configurations (gas mix, deco tanks, setpoints, stops, etc.)&lt;li&gt;To check the &lt;i&gt;OSTC&lt;/i&gt; by comparing its results to other deco softwares.&lt;li&gt;To backup, edit and restore your &lt;i&gt;OSTC&lt;/i&gt; computer configurations.&lt;/ul&gt;</source>
        <translation>&lt;i&gt;Bathyra&lt;/i&gt; sert à :&lt;ul&gt;&lt;li&gt;Explorer et comprendre les paramètres de décompression de votre ordinateur &lt;i&gt;OSTC&lt;/i&gt; (modèle, facteurs de gradient, profondeur de changement, etc.).&lt;li&gt;Tracer des profils de plongée simulés et comparer plusieurs configurations (mélanges, blocs de déco, setpoints, paliers, etc.).&lt;li&gt;Vérifier l&apos;&lt;i&gt;OSTC&lt;/i&gt; en comparant ses résultats à d&apos;autres logiciels de déco.&lt;li&gt;Sauvegarder, éditer et restaurer les configurations de votre &lt;i&gt;OSTC&lt;/i&gt;.&lt;/ul&gt;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The Bathyra developers. Free software under the GNU General Public License, version 3 or later (%1), without any warranty. Built with Qt (%2) and Qwt (%3).</source>
        <translation>Les développeurs de Bathyra. Logiciel libre sous licence publique générale GNU, version 3 ou ultérieure (%1), sans aucune garantie. Réalisé avec Qt (%2) et Qwt (%3).</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_parameters.cpp" line="+178"/>
        <source>CF%1 (%2): %3 is beyond the planner&apos;s range, %4 is used.</source>
        <translation>CF%1 (%2) : %3 est hors de la plage du planificateur, %4 est utilisé.</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_interface.cpp" line="-81"/>
        <location filename="../../app/bathyra_parameters.cpp" line="+109"/>
        <source>Parameters not saved: %1</source>
        <translation>Paramètres non enregistrés : %1</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_script.cpp" line="+175"/>
        <source>Run Script...</source>
        <translation>Exécuter un script...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bathyra Script (*.qs *.js)</source>
        <comment>scrit format</comment>
        <translation>Script Bathyra (*.qs *.js)</translation>
    </message>
    <message>
        <location filename="../../app/bathyra_plan_tools.cpp" line="+18"/>
        <source>Longest bottom time...</source>
        <translation>Temps au fond le plus long...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Compare plans...</source>
        <translation>Comparer des plans...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Plan against log...</source>
        <translation>Plan contre carnet...</translation>
    </message>
</context>
<context>
    <name>BottomTimeSolver</name>
    <message>
        <location filename="../../planner/bottom_time_solver.cpp" line="+17"/>
        <source>no decompression</source>
        <translation>sans décompression</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>runtime ≤ %1 min</source>
        <translation>durée totale ≤ %1 min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>TTS ≤ %1 min</source>
        <translation>TTS ≤ %1 min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>total stop time ≤ %1 min</source>
        <translation>durée totale des paliers ≤ %1 min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>every cylinder within the reserve rule</source>
        <translation>chaque bouteille dans la règle de réserve</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>no bottom time meets the target %1</source>
        <translation>aucun temps au fond ne respecte l&apos;objectif %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>longest bottom time: %1 min or more for %2</source>
        <translation>temps au fond le plus long : %1 min ou plus pour %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>longest bottom time: %1 min for %2</source>
        <translation>temps au fond le plus long : %1 min pour %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The reserve target needs a cylinder (size and fill) for a gas of the plan</source>
        <translation>La cible de la règle de réserve demande une bouteille (volume et pression de remplissage) pour un gaz du plan</translation>
    </message>
</context>
<context>
    <name>CF menu (15 char max)</name>
    <message>
        <location filename="../../device/cf_table.cpp" line="+18"/>
        <source>unused</source>
        <translation>inutilisé</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Start Dive [m]</source>
        <translation>Début plg. [m]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End Dive [m]</source>
        <translation>Fin plongée [m]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End Delay [sec]</source>
        <translation>Délai fin [s]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Power Off [min]</source>
        <translation>Extinction[min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pre-menu [min]</source>
        <translation>Pré-menu [min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>velocity[m/min]</source>
        <translation>Vitesse[m/min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wake-up  [mbar]</source>
        <translation>Réveil [mbar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>max.Surf.[mbar]</source>
        <translation>max.Surf.[mbar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF display [%]</source>
        <translation>Affich. GF [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>min. O2 Dis.[%]</source>
        <translation>O2 min aff.[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dive menus[min]</source>
        <translation>Menus plg[min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saturate x [%]</source>
        <translation>Saturation x[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Desaturate x[%]</source>
        <translation>Désaturat. x[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NoFly Ratio [%]</source>
        <translation>Ratio NoFly [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF alarm 1 [%]</source>
        <translation>Alarme GF 1 [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CNSshow surf[%]</source>
        <translation>CNS surf. [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deco Offset [m]</source>
        <translation>Décal. déco [m]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ppO2 low [bar]</source>
        <translation>ppO2 bas [bar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ppO2 high [bar]</source>
        <translation>ppO2 haut [bar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ppO2 show [bar]</source>
        <translation>ppO2 aff. [bar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sampling rate</source>
        <translation>Fréq. échant.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor Temp</source>
        <translation>Diviseur temp.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor Decodat</source>
        <translation>Diviseur déco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor GF</source>
        <translation>Diviseur GF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor ppO2</source>
        <translation>Diviseur ppO2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor Debug</source>
        <translation>Diviseur debug</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divisor CNS</source>
        <translation>Diviseur CNS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CNSshow dive[%]</source>
        <translation>CNS plongée[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Logbook offset</source>
        <translation>Décal. carnet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last Deco at[m]</source>
        <translation>Dern. déco [m]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End Apnoe [h]</source>
        <translation>Fin apnée [h]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Batt.Volts</source>
        <translation>Tension batt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF Low [%]</source>
        <translation>GF bas [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF High [%]</source>
        <translation>GF haut [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color# Battery </source>
        <translation>Coul.# batterie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color# Standard</source>
        <translation>Coul.# standard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color# Divemask</source>
        <translation>Coul.# masque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color# Warnings</source>
        <translation>Coul.# alertes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divemode secs. </source>
        <translation>Mode plg. s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Adjust fixed SP</source>
        <translation>Ajust. SP fixe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Warn Ceiling</source>
        <translation>Alerte plafond</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mix type icons</source>
        <translation>Icônes mélange</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blink BetterGas</source>
        <translation>Clign. meil.gaz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DepthWarn[mbar]</source>
        <translation>Alerte pr[mbar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CNS warning [%]</source>
        <translation>Alerte CNS [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GF warning [%]</source>
        <translation>Alerte GF [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ppO2 warn [bar]</source>
        <translation>Alerte O2 [bar]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vel.warn[m/min]</source>
        <translation>Alerte v[m/min]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Time offset/day</source>
        <translation>Corr. heure/j</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show altimeter</source>
        <translation>Altimètre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Log-Marker</source>
        <translation>Marques carnet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Stopwatch</source>
        <translation>Chronomètre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ShowTissueGraph</source>
        <translation>Graph. tissus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show Lead.Tiss.</source>
        <translation>Tissu directeur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ShallowStop 1st</source>
        <translation>Palier haut 1er</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gas switch[min]</source>
        <translation>Chgt. gaz [min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BottomGas[/min]</source>
        <translation>Gaz fond [/min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AscentGas[/min]</source>
        <translation>Gaz rem. [/min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Future TTS[min]</source>
        <translation>TTS futur [min]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cave Bail Alarm</source>
        <translation>Alarme bail gr.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Graph. Velocity</source>
        <translation>Vitesse graph.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show pSCR ppO2</source>
        <translation>ppO2 pSCR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pSCR O2 Drop[%]</source>
        <translation>Chute O2 pSCR%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>pSCR lung ratio</source>
        <translation>pSCR ratio poum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Color# inactive</source>
        <translation>Coul.# inactif</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use safety stop</source>
        <translation>Palier sécurité</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show GF in NDL</source>
        <translation>GF en NDL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt. GF Low [%]</source>
        <translation>GF alt. bas [%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Alt. GF High[%]</source>
        <translation>GF alt. haut[%]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allow GF change</source>
        <translation>Chgt. GF permis</translation>
    </message>
</context>
<context>
    <name>CF_Editor_Dialog</name>
    <message>
        <location filename="../../cfeditor/cf_editor.ui" line="+6"/>
        <source>Edit Custom Functions</source>
        <translation>Éditer les fonctions personnalisées</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Custom Functions I</source>
        <translation>Fonctions I</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Custom Functions II</source>
        <translation>Fonctions II</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Custom Functions III</source>
        <translation>Fonctions III</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Custom text:</source>
        <translation>Texte perso :</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Text shown by the OSTC on its surface screen (at most 25 characters).</source>
        <translation>Texte affiché par l&apos;OSTC sur son écran de surface (25 caractères au plus).</translation>
    </message>
</context>
<context>
    <name>CF_Editor_Interface</name>
    <message>
        <location filename="../../cfeditor/cf_editor.cpp" line="+245"/>
        <source>value %1 is kept: it cannot be shown here</source>
        <translation>la valeur %1 est conservée : elle ne peut pas être affichée ici</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>OSTC &lt;i&gt;serial not loaded&lt;/i&gt;</source>
        <comment>EEPROM</comment>
        <translation>OSTC &lt;i&gt;numéro de série non chargé&lt;/i&gt;</translation>
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
        <translation>Choisir la couleur</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Click to change color</source>
        <comment>CF color</comment>
        <translation>Cliquer pour changer la couleur</translation>
    </message>
</context>
<context>
    <name>ConfigImage</name>
    <message>
        <location filename="../../device/cf_table.cpp" line="+40"/>
        <source>No custom function CF%1</source>
        <translation>Pas de fonction personnalisée CF%1</translation>
    </message>
    <message>
        <location filename="../../device/config_image.cpp" line="+92"/>
        <source>Configuration image must be %1 bytes, got %2</source>
        <translation>L&apos;image de configuration doit faire %1 octets, reçu %2</translation>
    </message>
    <message>
        <location line="-69"/>
        <source>No configuration bank %1</source>
        <translation>Pas de banque de configuration %1</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Configuration bank %1 must be %2 bytes, got %3</source>
        <translation>La banque de configuration %1 doit faire %2 octets, reçu %3</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+7"/>
        <source>Configuration image offset %1 out of range</source>
        <translation>Décalage %1 hors de l&apos;image de configuration</translation>
    </message>
    <message>
        <location line="+73"/>
        <location line="+4"/>
        <source>value %1, min %2</source>
        <translation>valeur %1, min %2</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>value %1 %, min %2 %</source>
        <translation>valeur %1 %, min %2 %</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>value %1, max %2 %</source>
        <translation>valeur %1, max %2 %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>value %1, max %2</source>
        <translation>valeur %1, max %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>EEPROM: bad serial</source>
        <translation>EEPROM : numéro de série invalide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EEPROM: bad firmware version</source>
        <translation>EEPROM : version de firmware invalide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>EEPROM: bad deco type</source>
        <translation>EEPROM : type de déco invalide</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Bad CF settings:</source>
        <translation>Réglages CF invalides :</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Battery: bad min tp %1°C</source>
        <translation>Batterie : temp. min invalide %1°C</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Battery: bad max tp %1°C</source>
        <translation>Batterie : temp. max invalide %1°C</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Battery: bad min/max tp %1°C %2°C</source>
        <translation>Batterie : temp. min/max invalide %1°C %2°C</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Battery: bad low %1 volt</source>
        <translation>Batterie : tension basse invalide %1 volt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Battery: bad cycle count %1</source>
        <translation>Batterie : nombre de cycles invalide %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Battery: bad total cycle count %1</source>
        <translation>Batterie : nombre total de cycles invalide %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Battery: no last charge date</source>
        <translation>Batterie : pas de date de dernière charge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Battery: bad last charge date</source>
        <translation>Batterie : date de dernière charge invalide</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Battery: bad date</source>
        <translation>Batterie : date invalide</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <location filename="../../profiles/logbook_files.cpp" line="+49"/>
        <source>Unsupported XML format (neither DivingLog or Shearwater)</source>
        <translation>Format XML non pris en charge (ni DivingLog ni Shearwater)</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Cannot open profile.</source>
        <translation>Impossible d&apos;ouvrir le profil.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>its root element is not &lt;%1&gt;</source>
        <translation>son élément racine n&apos;est pas &lt;%1&gt;</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Unknown file format.</source>
        <translation>Format de fichier inconnu.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cannot load profile.</source>
        <translation>Impossible de charger le profil.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot load profile: no sample of &apos;%1&apos; has a depth.</source>
        <translation>Impossible de charger le profil : aucun point de &apos;%1&apos; n&apos;a de profondeur.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot load profile: all %1 samples of &apos;%2&apos; are at one time.</source>
        <translation>Impossible de charger le profil : les %1 points de &apos;%2&apos; sont tous au même instant.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Unknown save file format</source>
        <translation>Format d&apos;enregistrement inconnu</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot save profile.</source>
        <translation>Impossible d&apos;enregistrer le profil.</translation>
    </message>
    <message>
        <location filename="../../profiles/profile_readers.cpp" line="+134"/>
        <source>Sample time %1 s is not a dive time.</source>
        <translation>Le temps d&apos;échantillon %1 s n&apos;est pas un temps de plongée.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sample depth %1 m at %2 s is not a depth.</source>
        <translation>La profondeur d&apos;échantillon %1 m à %2 s n&apos;est pas une profondeur.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>elements nested more than %1 deep</source>
        <translation>éléments imbriqués sur plus de %1 niveaux</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>line %1, column %2: %3</source>
        <translation>ligne %1, colonne %2 : %3</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Reading DivingLog XML format</source>
        <translation>Lecture du format XML DivingLog</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Profile depths in feet (deepest %1 ft, the dive&apos;s maximum depth %2 m): converted to metres.</source>
        <translation>Profondeurs du profil en pieds (la plus grande %1 ft, profondeur maximale de la plongée %2 m) : converties en mètres.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Profile depths reach %1 m but the dive&apos;s maximum depth is %2 m: the depths are read as metres.</source>
        <translation>Les profondeurs du profil atteignent %1 m mais la profondeur maximale de la plongée est %2 m : les profondeurs sont lues en mètres.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Reading Shearwater XML format</source>
        <translation>Lecture du format XML Shearwater</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dive starting: %1</source>
        <translation>Début de la plongée : %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Setpoints not recorded.</source>
        <translation>Setpoints non enregistrés.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Using SP#1 as SP_low=%1, SP#2 as SP_high=%2</source>
        <translation> SP#1 utilisé comme SP_low=%1, SP#2 comme SP_high=%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> Using SP_low=%1, SP_high=%2</source>
        <translation> Utilisation de SP_low=%1, SP_high=%2</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Recorded ppO2 %1 bar at %2 s is not a ppO2.</source>
        <translation>La ppO2 enregistrée %1 bar à %2 s n&apos;est pas une ppO2.</translation>
    </message>
    <message>
        <location filename="../../profiles/uddf_formats.cpp" line="+147"/>
        <source>This is a CCR dive.</source>
        <translation>C&apos;est une plongée CCR.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>This is an OC dive.</source>
        <translation>C&apos;est une plongée OC.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Unknown OC/CCR mode.</source>
        <translation>Mode OC/CCR inconnu.</translation>
    </message>
    <message>
        <location line="+45"/>
        <location line="+160"/>
        <source>Mix %1 is not a breathable mix.</source>
        <translation>Le mélange %1 n&apos;est pas respirable.</translation>
    </message>
    <message>
        <location line="-121"/>
        <source>Setpoint %1 Pa at %2 s is not a setpoint.</source>
        <translation>Le setpoint %1 Pa à %2 s n&apos;est pas un setpoint.</translation>
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
        <translation>Gaz#%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SWITCH Gas#%1 -&gt; Gas#%2</source>
        <translation>CHANGEMENT Gaz#%1 -&gt; Gaz#%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <source> at %1m</source>
        <comment>gaz switch</comment>
        <translation> à %1m</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>BAILOUT Gas#%1</source>
        <translation>BAILOUT Gaz#%1</translation>
    </message>
</context>
<context>
    <name>HexImage</name>
    <message>
        <location filename="../../device/hex_image.cpp" line="+54"/>
        <source>Bad HEX format</source>
        <translation>Format HEX invalide</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Bad HEX checksum</source>
        <translation>Somme de contrôle HEX invalide</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Bad HEX record length</source>
        <translation>Longueur d&apos;enregistrement HEX incorrecte</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>BAD HEX address</source>
        <translation>Adresse HEX INVALIDE</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Double write</source>
        <translation>Écriture en double</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Bad HEX Segment Address record</source>
        <translation>Enregistrement HEX Segment Address invalide</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bad HEX Extended Linear Address Record</source>
        <translation>Enregistrement HEX Extended Linear Address invalide</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Bad HEX subtype</source>
        <translation>Sous-type HEX invalide</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1KB loaded (%2% of firmware area)</source>
        <translation>%1 Ko chargés (%2% de la zone firmware)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 (line %2)</source>
        <translation>%1 (ligne %2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Missing HEX end-of-file record</source>
        <translation>Enregistrement de fin de fichier HEX manquant</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Can&apos;t open HEX file</source>
        <translation>Impossible d&apos;ouvrir le fichier HEX</translation>
    </message>
</context>
<context>
    <name>LogCheck</name>
    <message>
        <location filename="../../planner/log_check.cpp" line="+24"/>
        <source>%1: plan %2 %5, log %3 %5 (%4)</source>
        <translation>%1 : plan %2 %5, carnet %3 %5 (%4)</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>The log holds no dive: no depth below the surface</source>
        <translation>Le carnet ne contient aucune plongée : aucune profondeur sous la surface</translation>
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
        <translation>profondeur maximale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>bottom time</source>
        <translation>temps au fond</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>runtime</source>
        <translation>durée totale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>total stop time</source>
        <translation>durée totale des paliers</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TTS at the end of the bottom</source>
        <translation>TTS à la fin du fond</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CNS</source>
        <translation>CNS</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ceiling kept during the whole dive</source>
        <translation>plafond respecté pendant toute la plongée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>above the ceiling from %1 to %2 min, worst %3 m above it</source>
        <translation>au-dessus du plafond de %1 à %2 min, au pire %3 m au-dessus</translation>
    </message>
</context>
<context>
    <name>LogCheckInterface</name>
    <message>
        <location filename="../../app/log_check_window.cpp" line="+41"/>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No parameter file %1</source>
        <translation>Pas de fichier de paramètres %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Logbook files (*.xml *.uddf *.udcf);;All files (*)</source>
        <translation>Fichiers de carnet (*.xml *.uddf *.udcf);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dive parameters (*.div);;All files (*)</source>
        <translation>Paramètres de plongée (*.div);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Current configuration</source>
        <translation>Configuration actuelle</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+1"/>
        <source>Parameter file</source>
        <translation>Fichier de paramètres</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Read from the computer</source>
        <translation>Lue depuis l&apos;ordinateur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Current parameters</source>
        <translation>Paramètres actuels</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Logged dive:</source>
        <translation>Plongée enregistrée :</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Dived with:</source>
        <translation>Plongée avec :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Planned as:</source>
        <translation>Planifiée comme :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Another command is running</source>
        <translation>Une autre commande est en cours</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The configuration was not read from the computer: %1</source>
        <translation>La configuration n&apos;a pas été lue depuis l&apos;ordinateur : %1</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>plan</source>
        <translation>plan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>log %1</source>
        <translation>carnet %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ceiling of the log</source>
        <translation>plafond du carnet</translation>
    </message>
</context>
<context>
    <name>OstcProtocol</name>
    <message>
        <location filename="../../device/ostc_protocol.cpp" line="+122"/>
        <source>bank %1, write command: %2</source>
        <translation>banque %1, commande d&apos;écriture : %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bank %1, byte %2: %3</source>
        <translation>banque %1, octet %2 : %3</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Can&apos;t validate EEPROM contains</source>
        <translation>Impossible de valider le contenu de l&apos;EEPROM</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>CFI...</source>
        <translation>CFI...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CFI done.</source>
        <translation>CFI terminé.</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>CFII...</source>
        <translation>CFII...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CFII done.</source>
        <translation>CFII terminé.</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>CFIII...</source>
        <translation>CFIII...</translation>
    </message>
    <message>
        <location line="-68"/>
        <source>no answer from the computer</source>
        <translation>pas de réponse de l&apos;ordinateur</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Downloading OSTC configuration (%1)</source>
        <translation>Lecture de la configuration OSTC (%1)</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>CFIII done.</source>
        <translation>CFIII terminé.</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Readback differ</source>
        <translation>La relecture diffère</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Uploading OSTC configuration (%1)</source>
        <translation>Envoi de la configuration OSTC (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Upload failed; writing back the computer&apos;s previous configuration...</source>
        <translation>Échec de l&apos;envoi ; réécriture de la configuration précédente de l&apos;ordinateur...</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The computer holds its previous configuration again.</source>
        <translation>L&apos;ordinateur a de nouveau sa configuration précédente.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bank 0 may be partly written.</source>
        <translation>La banque 0 est peut-être écrite en partie.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Banks 0 to %1 are new, bank %2 may be partly written.</source>
        <translation>Les banques 0 à %1 sont nouvelles, la banque %2 est peut-être écrite en partie.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The previous configuration could not be written back: %1 Upload again, or upload the backup.</source>
        <translation>La configuration précédente n&apos;a pas pu être réécrite : %1 Envoyez-la à nouveau, ou envoyez la sauvegarde.</translation>
    </message>
    <message>
        <location line="+42"/>
        <location line="+8"/>
        <source>Sync failed (%1)</source>
        <translation>Échec de synchronisation (%1)</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Dump screen failed (%1)</source>
        <translation>Échec de la copie d&apos;écran (%1)</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Screen dumped.</source>
        <translation>Écran copié.</translation>
    </message>
    <message>
        <location line="+46"/>
        <location line="+24"/>
        <source>Write failed</source>
        <translation>Échec d&apos;écriture</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Bad checksum at 0x%1</source>
        <translation>Somme de contrôle invalide à 0x%1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Cannot start firmware upgrade</source>
        <translation>Impossible de démarrer la mise à jour du firmware</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cannot sync firmware upgrade</source>
        <translation>Impossible de synchroniser la mise à jour du firmware</translation>
    </message>
</context>
<context>
    <name>PlanComparison</name>
    <message>
        <location filename="../../planner/plan_comparison.cpp" line="+185"/>
        <source>runtime (min)</source>
        <translation>durée totale (min)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>TTS (min)</source>
        <translation>TTS (min)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>first stop (m)</source>
        <translation>premier palier (m)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>total stop time (min)</source>
        <translation>durée totale des paliers (min)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CNS (%)</source>
        <translation>CNS (%)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>max ppO2 (bar)</source>
        <translation>ppO2 max. (bar)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 (litres)</source>
        <translation>%1 (litres)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 (bar)</source>
        <translation>%1 (bar)</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>figure</source>
        <translation>valeur</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <location filename="../../app/plan_plot.cpp" line="+44"/>
        <source>%1 ceiling</source>
        <translation>plafond %1</translation>
    </message>
    <message>
        <location filename="../../cli/plan_tool_steps.cpp" line="+41"/>
        <source>plans: %1</source>
        <translation>plans : %1</translation>
    </message>
</context>
<context>
    <name>PlanComparisonInterface</name>
    <message>
        <location filename="../../app/plan_comparison_window.cpp" line="+66"/>
        <source>Add current plan</source>
        <translation>Ajouter le plan actuel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add log...</source>
        <translation>Ajouter un carnet...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rename...</source>
        <translation>Renommer...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make current</source>
        <translation>Rendre actuel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export CSV...</source>
        <translation>Exporter en CSV...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export PDF...</source>
        <translation>Exporter en PDF...</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Add a logged dive</source>
        <translation>Ajouter une plongée enregistrée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Logbook files (*.xml *.uddf *.udcf);;All files (*)</source>
        <translation>Fichiers de carnet (*.xml *.uddf *.udcf);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Rename plan</source>
        <translation>Renommer le plan</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Export the comparison</source>
        <translation>Exporter la comparaison</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>PlanPlot</name>
    <message>
        <location filename="../../app/plan_plot.cpp" line="-28"/>
        <source>time (min)</source>
        <translation>temps (min)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>depth (m)</source>
        <translation>profondeur (m)</translation>
    </message>
</context>
<context>
    <name>PlanSheetInterface</name>
    <message>
        <location filename="../../app/plan_sheet.cpp" line="+152"/>
        <location line="+163"/>
        <source>Plan sheet</source>
        <comment>Window Title</comment>
        <translation>Fiche de plongée</translation>
    </message>
    <message>
        <location line="-162"/>
        <source>Deeper by (m):</source>
        <translation>Plus profond de (m) :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Longer by (min):</source>
        <translation>Plus long de (min) :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cylinder (l)</source>
        <translation>Bouteille (l)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fill (bar)</source>
        <translation>Gonflage (bar)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reserve rule:</source>
        <translation>Règle de réserve :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slate page:</source>
        <translation>Format de l&apos;ardoise :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Contingencies (bar used in red and marked &quot;!&quot; where the reserve rule breaks):</source>
        <translation>Variantes de secours (bar consommés en rouge et marqués &quot;!&quot; quand la règle de réserve est enfreinte) :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+127"/>
        <source>Save slate...</source>
        <translation>Enregistrer l&apos;ardoise...</translation>
    </message>
    <message>
        <location line="-126"/>
        <location line="+133"/>
        <source>Save plan file...</source>
        <translation>Enregistrer le fichier du plan...</translation>
    </message>
    <message>
        <location line="-88"/>
        <source>Gas %1 (%2):</source>
        <translation>Gaz %1 (%2) :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gas %1 (off):</source>
        <translation>Gaz %1 (inactif) :</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Variant</source>
        <translation>Variante</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Runtime (min)</source>
        <translation>Durée (min)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TTS (min)</source>
        <translation>DTR (min)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>First stop (m)</source>
        <translation>Premier palier (m)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stops (min)</source>
        <translation>Paliers (min)</translation>
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
        <translation>Ardoises (*.pdf *.svg *.png)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Plan files (*.json *.csv)</source>
        <comment>file format</comment>
        <translation>Fichiers de plan (*.json *.csv)</translation>
    </message>
</context>
<context>
    <name>PlotDialog</name>
    <message>
        <location filename="../plot_dialog.ui" line="+14"/>
        <source>Plot</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Save image...</source>
        <translation>Enregistrer l&apos;image...</translation>
    </message>
</context>
<context>
    <name>PlotInterface</name>
    <message>
        <location filename="../../plot/plot_export.cpp" line="+31"/>
        <source>Jpeg image</source>
        <comment>file format</comment>
        <translation>Image JPEG</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PNG image</source>
        <comment>file format</comment>
        <translation>Image PNG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TIFF image</source>
        <comment>file format</comment>
        <translation>Image TIFF</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF file</source>
        <comment>file format</comment>
        <translation>Fichier PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SVG file</source>
        <comment>file format</comment>
        <translation>Fichier SVG</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>No image file name: &quot;%1&quot;</source>
        <comment>Save plot as image</comment>
        <translation>Pas de nom de fichier image : &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>the PDF could not be made in %1</source>
        <translation>le PDF n&apos;a pas pu être créé dans %1</translation>
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
        <translation>Setpoint :%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../plot/plot_interface.cpp" line="+467"/>
        <location filename="../../plot/plot_tissues.cpp" line="+120"/>
        <source>Gas%1:</source>
        <comment>Plot label</comment>
        <translation>Gaz%1 :</translation>
    </message>
    <message>
        <location filename="../../planner/run_plot.cpp" line="+14"/>
        <source>depth</source>
        <comment>Plot legend</comment>
        <translation>profondeur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ceiling</source>
        <comment>Plot legend</comment>
        <translation>plafond</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>leading tissue</source>
        <comment>Plot axis</comment>
        <translation>tissu directeur</translation>
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
        <translation>NDL/palier</translation>
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
        <translation>Air</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Dive traces</source>
        <comment>Plot title</comment>
        <translation>Tracés de plongée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tissues plot</source>
        <comment>Plot title</comment>
        <translation>Graphique des tissus</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Depth [m]</source>
        <comment>Plot axis</comment>
        <translation>Profondeur [m]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>time [min]</source>
        <comment>Plot axis</comment>
        <translation>temps [min]</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>P. ambient [absolute, bar]</source>
        <comment>Plot axis</comment>
        <translation>P. ambiante [absolue, bar]</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>P. tissue [N2+He, bar]</source>
        <comment>Plot axis</comment>
        <translation>P. tissu [N2+He, bar]</translation>
    </message>
    <message>
        <location filename="../../plot/plot_tissues.cpp" line="-69"/>
        <source>Surface</source>
        <comment>Plot label</comment>
        <translation>Surface</translation>
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
        <translation>Total= %2</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Dump image to...</source>
        <comment>Save plot as image</comment>
        <translation>Enregistrer l&apos;image sous...</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Saving plot %1</source>
        <comment>Console</comment>
        <translation>Enregistrement du graphique %1</translation>
    </message>
</context>
<context>
    <name>ProfileEditorInterface</name>
    <message>
        <location filename="../../profiles/profile_editor.cpp" line="+125"/>
        <source>depth [m]</source>
        <translation>profondeur [m]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time [min]</source>
        <translation>Temps [min]</translation>
    </message>
    <message>
        <location line="+79"/>
        <location line="+19"/>
        <source>Loading profile...</source>
        <translation>Charger un profil...</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>All supported profiles (*.xml *.uddf *.udcf);;XML: DivingLog 5, Shearwater Desktop (*.xml);;UDDF: DivingLog 2 or 3 (*.uddf);;UDCF: MacDive (*.udcf);;</source>
        <translation>Tous les profils pris en charge (*.xml *.uddf *.udcf);;XML: DivingLog 5, Shearwater Desktop (*.xml);;UDDF: DivingLog 2 ou 3 (*.uddf);;UDCF: MacDive (*.udcf);;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The profile &apos;%1&apos; was not loaded: %2</source>
        <translation>Le profil &apos;%1&apos; n&apos;a pas été chargé : %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Saving profile...</source>
        <translation>Enregistrer le profil...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DivingLog XML (*.xml);;DivingLog UDDF (*.uddf);;</source>
        <translation>DivingLog XML (*.xml);;DivingLog UDDF (*.uddf);;</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Gas Change...</source>
        <translation>Changement de gaz...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>new gas =</source>
        <translation>nouveau gaz =</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>&lt;font color=&apos;red&apos;&gt;Recorded ppO2 [bar]&lt;/font&gt;</source>
        <translation>&lt;font color=&apos;red&apos;&gt;ppO2 enregistrée [bar]&lt;/font&gt;</translation>
    </message>
</context>
<context>
    <name>ProfileEditorWidget</name>
    <message>
        <location filename="../../profiles/profile_editor.ui" line="+6"/>
        <source>Profile Editor</source>
        <translation>Éditeur de profil</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Load...</source>
        <translation>Charger...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save...</source>
        <translation>Enregistrer...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Segments</source>
        <translation>Segments</translation>
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
        <translation>Ajouter un segment</translation>
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
        <translation>Points</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Off</source>
        <translation>Inactif</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Add point</source>
        <translation>Ajouter un point</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Delete point</source>
        <translation>Supprimer le point</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Set gas change</source>
        <translation>Placer un changement de gaz</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Redo</source>
        <translation>Rétablir</translation>
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
        <translation>Impossible d&apos;écrire &apos;%1&apos; : %2</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>cannot copy the old file</source>
        <translation>impossible de copier l&apos;ancien fichier</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>cannot write the settings</source>
        <translation>impossible d&apos;écrire les réglages</translation>
    </message>
</context>
<context>
    <name>Script</name>
    <message>
        <location filename="../../script/script.cpp" line="+248"/>
        <source>Script stopped: %1</source>
        <translation>Script arrêté : %1</translation>
    </message>
</context>
<context>
    <name>SerialOSTC</name>
    <message>
        <location filename="../../device/serial_ostc.cpp" line="+46"/>
        <source>FAILED: </source>
        <translation>ÉCHEC : </translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Connecting %1</source>
        <translation>Connexion à %1</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Reading OSTC %1 done.</source>
        <translation>Lecture de l&apos;OSTC %1 terminée.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The computer&apos;s configuration before the upload is kept in &apos;%1&apos;.</source>
        <translation>La configuration de l&apos;ordinateur avant l&apos;envoi est conservée dans &apos;%1&apos;.</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Programming OSTC %1 done.</source>
        <translation>Programmation de l&apos;OSTC %1 terminée.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Date and time set to %1</source>
        <translation>Date et heure réglées sur %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>SYNC FAILED</source>
        <translation>ÉCHEC DE SYNCHRONISATION</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>FAILED</source>
        <translation>ÉCHEC</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>the image cannot be written as %1</source>
        <translation>l&apos;image ne peut pas être écrite en %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Firmware...</source>
        <translation>Firmware...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save screen dump...</source>
        <translation>Enregistrer la copie d&apos;écran...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Image PNG (*.png);;Image JPEG (*.jpeg;*.jpg);;Image TIFF (*.tiff;*.tif)</source>
        <translation>Image PNG (*.png);;Image JPEG (*.jpeg;*.jpg);;Image TIFF (*.tiff;*.tif)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Loading &apos;%1&apos;</source>
        <translation>Chargement de &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Starting OSTC upgrade...</source>
        <translation>Démarrage de la mise à jour de l&apos;OSTC...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OSTC upgrade done. rebooting...</source>
        <translation>Mise à jour de l&apos;OSTC terminée, redémarrage...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>UPGRADE FAILED</source>
        <translation>ÉCHEC DE LA MISE À JOUR</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The computer keeps its boot loader but not a whole program: upgrade it again before diving.</source>
        <translation>L&apos;ordinateur garde son chargeur d&apos;amorçage mais pas un programme complet : mettez-le à jour de nouveau avant de plonger.</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <location filename="../../device/serial_port.cpp" line="+58"/>
        <source>Unknown port</source>
        <translation>Port inconnu</translation>
    </message>
    <message>
        <location filename="../../device/serial_port.h" line="+45"/>
        <source>Unable to open port</source>
        <translation>Impossible d&apos;ouvrir le port</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No port chosen: choose the OSTC&apos;s port in the settings</source>
        <translation>Aucun port choisi : choisissez le port de l&apos;OSTC dans les paramètres</translation>
    </message>
    <message>
        <location filename="../../device/serial_port.cpp" line="+14"/>
        <source>Unable to set COM port config</source>
        <translation>Impossible de configurer le port</translation>
    </message>
    <message>
        <location filename="../../device/serial_port.h" line="-2"/>
        <source>Port not open</source>
        <translation>Port non ouvert</translation>
    </message>
    <message>
        <location filename="../../device/serial_port.cpp" line="+163"/>
        <source>readByte error</source>
        <translation>Erreur readByte</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>readBlock error</source>
        <translation>Erreur readBlock</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>writeBlock error</source>
        <translation>Erreur writeBlock</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+4"/>
        <source>writeByte error</source>
        <translation>Erreur writeByte</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <location filename="../settings.ui" line="+6"/>
        <source>Bathyra settings</source>
        <translation>Paramètres de Bathyra</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Communication port:</source>
        <translation>Port de communication :</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Serial port of the OSTC; a device path (such as /dev/pts/3) may be typed.</source>
        <translation>Port série de l&apos;OSTC ; un chemin de périphérique (comme /dev/pts/3) peut être saisi.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No serial port found.</source>
        <translation>Aucun port série trouvé.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Verbose simulations</source>
        <translation>Simulations détaillées</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Auto setup of date &amp;&amp; time</source>
        <translation>Réglage auto de la date et l&apos;heure</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>If checked, any configuration upload will also setup date and time.</source>
        <translation>Si coché, chaque écriture de la configuration règle aussi la date et l&apos;heure.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Border line in deco plan</source>
        <translation>Bordures dans le plan de déco</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Beta features</source>
        <translation>Fonctions bêta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Allows also beta features, not fully finished and/ord tested.</source>
        <translation>Autorise aussi les fonctions bêta, pas entièrement terminées ou testées.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Reset all settings</source>
        <translation>Réinitialiser tous les paramètres</translation>
    </message>
</context>
<context>
    <name>SolveDialog</name>
    <message>
        <location filename="../../app/solve_dialog.cpp" line="+21"/>
        <source>no decompression</source>
        <translation>sans décompression</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>runtime at most</source>
        <translation>durée totale au plus</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>TTS at most</source>
        <translation>TTS au plus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>total stop time at most</source>
        <translation>durée totale des paliers au plus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>every cylinder within the reserve rule</source>
        <translation>chaque bouteille dans la règle de réserve</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Solve</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Use as bottom time</source>
        <translation>Utiliser comme temps au fond</translation>
    </message>
</context>
<context>
    <name>UpdatesPlanner</name>
    <message>
        <location filename="../../updates/updates_planner.cpp" line="+77"/>
        <source>Update server &apos;%1&apos; is not a valid http or https address.</source>
        <translation>Le serveur de mises à jour &apos;%1&apos; n&apos;est pas une adresse http ou https valide.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>no firmware data</source>
        <translation>aucune donnée de firmware</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Downloaded firmware %1 is not a valid HEX file: %2</source>
        <translation>Le firmware %1 téléchargé n&apos;est pas un fichier HEX valide : %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Firmware %1 available...</source>
        <translation>Firmware %1 disponible...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Version %1 of the &lt;i&gt;OSTC&lt;/i&gt; firmware is available. Please consider upgrading your computer...</source>
        <translation>La version %1 du firmware de l&apos;&lt;i&gt;OSTC&lt;/i&gt; est disponible. Pensez à mettre à jour votre ordinateur...</translation>
    </message>
</context>
<context>
    <name>Window Title</name>
    <message>
        <location filename="../../plot/plot_interface.cpp" line="-174"/>
        <location filename="../../app/bathyra_runs.cpp" line="+84"/>
        <source>Dive profile</source>
        <translation>Profil de plongée</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../app/bathyra_runs.cpp" line="+100"/>
        <source>Tissues plot</source>
        <translation>Graphique des tissus</translation>
    </message>
    <message>
        <location filename="../../app/log_check_window.cpp" line="-97"/>
        <source>Plan against log</source>
        <translation>Plan contre carnet</translation>
    </message>
    <message>
        <location filename="../../app/plan_comparison_window.cpp" line="-235"/>
        <source>Compare plans</source>
        <translation>Comparer des plans</translation>
    </message>
    <message>
        <location filename="../../app/solve_dialog.cpp" line="-18"/>
        <source>Longest bottom time</source>
        <translation>Temps au fond le plus long</translation>
    </message>
</context>
<context>
    <name>gas</name>
    <message>
        <location filename="../../profiles/uddf_formats.cpp" line="-186"/>
        <source>Gas</source>
        <translation>Gaz</translation>
    </message>
</context>
<context>
    <name>planner</name>
    <message>
        <location filename="../../planner/contingency.cpp" line="+228"/>
        <source>all</source>
        <translation>tout</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>half</source>
        <translation>la moitié</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>two thirds</source>
        <translation>deux tiers</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>plan</source>
        <translation>plan</translation>
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
        <translation>%1 perdu</translation>
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
        <translation>Durée</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../planner/plan_slate.cpp" line="+0"/>
        <source>TTS</source>
        <translation>DTR</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../../planner/plan_slate.cpp" line="-76"/>
        <source>Stop</source>
        <translation>Palier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stops</source>
        <translation>Paliers</translation>
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
        <translation>Gaz consommé</translation>
    </message>
    <message>
        <location filename="../../planner/plan_slate.cpp" line="-116"/>
        <location line="+284"/>
        <location line="+11"/>
        <source>Dive plan</source>
        <translation>Plan de plongée</translation>
    </message>
    <message>
        <location line="-294"/>
        <source>Dive plan: %1 m, %2 min</source>
        <translation>Plan de plongée : %1 m, %2 min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Model: %1</source>
        <translation>Modèle : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Surface pressure: %1 mbar    SAC: bottom %2 l/min, deco %3 l/min</source>
        <translation>Pression en surface : %1 mbar    Consommation : fond %2 l/min, déco %3 l/min</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Closed circuit, setpoint %1 bar</source>
        <translation>Circuit fermé, consigne %1 bar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open circuit</source>
        <translation>Circuit ouvert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Configuration firmware %1</source>
        <translation>Firmware de la configuration %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Gases (MOD at ppO2 %1 bar)</source>
        <translation>Gaz (MOD à ppO2 %1 bar)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+20"/>
        <source>Gas</source>
        <translation>Gaz</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>MOD</source>
        <translation>MOD</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Switch depth</source>
        <translation>Profondeur de changement</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cylinder</source>
        <translation>Bouteille</translation>
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
        <translation>premier gaz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 l, %2 bar</source>
        <translation>%1 l, %2 bar</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Runtime</source>
        <translation>Déroulement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Depth</source>
        <translation>Profondeur</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>switch to %1 at %2 m before the stop</source>
        <translation>passer sur %1 à %2 m avant le palier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the loop</source>
        <translation>la boucle</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>loop %1</source>
        <translation>boucle %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Contingencies</source>
        <translation>Variantes de secours</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bar used per cylinder; &quot;!&quot; breaks the reserve rule (use %1)</source>
        <translation>Bar consommés par bouteille ; &quot;!&quot; enfreint la règle de réserve (utiliser %1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1st stop</source>
        <translation>1er palier</translation>
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
        <translation>Ce sont les calculs propres de l&apos;ordinateur de plongée, faits par Bathyra avec le code de décompression de l&apos;ordinateur.</translation>
    </message>
    <message>
        <location line="+151"/>
        <source>Cannot write &apos;%1&apos;: slates end in .pdf, .svg or .png</source>
        <translation>Impossible d&apos;écrire &apos;%1&apos; : les ardoises finissent par .pdf, .svg ou .png</translation>
    </message>
</context>
<context>
    <name>planner::PlanFiles</name>
    <message>
        <location filename="../../planner/plan_files.cpp" line="+188"/>
        <source>Cannot write &apos;%1&apos;: plan files end in .csv or .json</source>
        <translation>Impossible d&apos;écrire &apos;%1&apos; : les fichiers de plan finissent par .csv ou .json</translation>
    </message>
</context>
<context>
    <name>planner::PlanParameters</name>
    <message>
        <location filename="../../planner/plan_parameters.cpp" line="+163"/>
        <source>unknown planning input %1</source>
        <translation>entrée de planification inconnue %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: %2 is not a number</source>
        <translation>%1 : %2 n&apos;est pas un nombre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: %2 is neither true nor false</source>
        <translation>%1 : %2 n&apos;est ni true ni false</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1: %2 is outside %3 to %4</source>
        <translation>%1 : %2 est hors de %3 à %4</translation>
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
        <translation>Décompression Bühlmann ZH-L16C-1a 2002 standard :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  saturation factor (CF11) = %1 %</source>
        <translation>*  facteur de saturation (CF11) = %1 %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  desaturation factor (CF12) = %1 %</source>
        <translation>*  facteur de désaturation (CF12) = %1 %</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bühlmann ZH-L16C-1a 2002 with GRADIENT FACTOR decompression:</source>
        <translation>Décompression Bühlmann ZH-L16C-1a 2002 avec FACTEURS DE GRADIENT :</translation>
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
        <translation>*  décalage déco (CF16) = %1 m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  last stop (CF29) = %1 m</source>
        <translation>*  dernier palier (CF29) = %1 m</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>*  dive started at Pamb = %1 mbar</source>
        <translation>*  plongée commencée à Pamb = %1 mbar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>*  dive continued at depth = %1 m</source>
        <translation>*  plongée poursuivie à la profondeur = %1 m</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>*  Interval with previous dive = %1&apos;</source>
        <translation>*  Intervalle avec la plongée précédente = %1&apos;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  Gas switch delay (CF55) = %1 min</source>
        <translation>*  Délai de changement de gaz (CF55) = %1 min</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>CCR mode:</source>
        <translation>Mode CCR :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  Setpoint1: %1</source>
        <translation>*  Setpoint1 : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  Diluant Gas#%1 = %2</source>
        <translation>*  Diluant Gaz#%1 = %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OC gas list:</source>
        <translation>Liste des gaz OC :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*  First Gas#%1 = %2</source>
        <translation>*  Premier Gaz#%1 = %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>*  Bailout Gas#%1 = %2 at %3 m</source>
        <translation>*  Bailout Gaz#%1 = %2 à %3 m</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>*  Deco Gas#%1 = %2 at %3 m</source>
        <translation>*  Déco Gaz#%1 = %2 à %3 m</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>WARNING: Gas#%1 %2 is switched to at %3 m, deeper than its MOD of %4 m at ppO2 %5 bar</source>
        <translation>ATTENTION : Gaz#%1 %2 pris à %3 m, plus profond que sa MOD de %4 m à ppO2 %5 bar</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>SWITCH Gas#%1 -&gt; Gas#%2</source>
        <translation>CHANGEMENT Gaz#%1 -&gt; Gaz#%2</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>BREAK ON STOP @ %1m</source>
        <translation>PAUSE AU PALIER @ %1m</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>SWITCH Setpoint %1 -&gt; %2</source>
        <translation>CHANGEMENT Setpoint %1 -&gt; %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>BREAK ON BETTER Gas#%1</source>
        <translation>PAUSE POUR MEILLEUR Gaz#%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>BREAK ON SETPOINT</source>
        <translation>PAUSE AU SETPOINT</translation>
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
        <translation>TTS futur</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Future RT </source>
        <translation>RT futur </translation>
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
        <translation>Déco :</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>TTS</source>
        <translation>TTS</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>DESCENT DONE</source>
        <translation>DESCENTE TERMINÉE</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>STOP</source>
        <translation>PALIER</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ASCENT DONE</source>
        <translation>REMONTÉE TERMINÉE</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>NoFly</source>
        <translation>NoFly</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Desat</source>
        <translation>Désat</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Already surfaced: no more gas consumation</source>
        <translation>Déjà en surface : plus de consommation de gaz</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>BAIL-OUT Runtime</source>
        <translation>Runtime BAIL-OUT</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Max depth                     = %1 m</source>
        <translation>Profondeur max                = %1 m</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average before ascent     = %1 m</source>
        <translation>Moyenne avant remontée    = %1 m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time before ascent            = %1 min</source>
        <translation>Temps avant remontée          = %1 min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bottom gas consumption (CF56) = %1 l/min</source>
        <translation>Consommation au fond (CF56)   = %1 l/min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ascent gas consumption (CF57) = %1 l/min</source>
        <translation>Consommation remontée (CF57)  = %1 l/min</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Gas</source>
        <translation>Gaz</translation>
    </message>
</context>
<context>
    <name>planner::Simulation</name>
    <message>
        <location filename="../../planner/simulation.cpp" line="+79"/>
        <source>%1 at %2 m</source>
        <translation>%1 à %2 m</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>BAD MIX: Gas#%1 has O2 %2% + He %3%, more than 100%</source>
        <translation>MÉLANGE INVALIDE : Gaz#%1 a O2 %2% + He %3%, plus de 100%</translation>
    </message>
</context>
</TS>
