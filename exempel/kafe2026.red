Kafé Rönnbäret AB 2026
1;260101;148000;1220;0;0;IB-post
1;260101;-44400;1229;0;0;IB-post
1;260101;21500;1460;0;0;IB-post
1;260101;6200;1910;0;0;IB-post
1;260101;168342,5;1930;0;0;IB-post
1;260101;60000;1940;0;0;IB-post
1;260101;25000;0;2081;0;IB-post
1;260101;84160;0;2091;0;IB-post
1;260101;90000;0;2350;0;IB-post
1;260101;23815;0;2440;0;IB-post
1;260101;18930;0;2650;0;IB-post
1;260101;15080;0;2710;0;IB-post
1;260101;16338;0;2731;0;IB-post
1;260101;86319,5;0;2099;0;IB-post
2;260101;19500;5010;1930;0;Hyra lokalen Storgatan
3;260105;28416,44;4010;0;0;Grossistfaktura råvaror och kaffe
3;260105;3409,97;2640;0;0;Ingående moms 12 %
3;260105;31826,41;0;2440;0;Leverantörsskuld grossisten
4;260111;56364,29;1930;3011;0;Kassarapporter vecka 1-2
4;260111;6763,71;1930;2620;0;Utgående moms 12 %
5;260112;15080;2710;1930;0;Personalens källskatt december
5;260112;16338;2731;1930;0;Arbetsgivaravgifter december
6;260115;14400;6310;1930;0;Företagsförsäkring helår
7;260120;23815;2440;1930;0;Leverantörsskulder från december betalda
8;260125;50676,79;1930;3011;0;Kassarapporter vecka 3-4
8;260125;6081,21;1930;2620;0;Utgående moms 12 %
8;260125;2229,6;1930;3010;0;Muggar och presentartiklar
8;260125;557,4;1930;2610;0;Utgående moms 25 %
9;260125;52000;7010;0;0;Löner
9;260125;15080;0;2710;0;Avdragen preliminärskatt
9;260125;36920;0;1930;0;Nettolöner utbetalda
9;260125;16338,4;7510;2731;0;Arbetsgivaravgifter 31,42 %
10;260127;31826,41;2440;1930;0;Betalning till grossisten
11;260201;19500;5010;1930;0;Hyra lokalen Storgatan
12;260205;28420,1;4010;0;0;Grossistfaktura råvaror och kaffe
12;260205;3410,41;2640;0;0;Ingående moms 12 %
12;260205;31830,51;0;2440;0;Leverantörsskuld grossisten
13;260208;52590,18;1930;3011;0;Kassarapporter vecka 5-6
13;260208;6310,82;1930;2620;0;Utgående moms 12 %
14;260212;18930;2650;1930;0;Moms oktober-december inbetald
15;260212;3572;4010;1930;10;Råvaror till frukostmöte kontoren norr
15;260212;428,64;2640;1930;0;Ingående moms 12 %
16;260212;15080;2710;1930;0;Personalens källskatt inbetald
16;260212;16338,4;2731;1930;0;Arbetsgivaravgifter inbetalda
17;260214;10528;1510;0;0;Faktura Frukostmöte kontoren norr
17;260214;9400;0;3011;10;Frukostmöte kontoren norr
17;260214;1128;0;2620;0;Utgående moms 12 %
18;260222;53058,04;1930;3011;0;Kassarapporter vecka 7-8
18;260222;6366,96;1930;2620;0;Utgående moms 12 %
19;260225;52000;7010;0;0;Löner
19;260225;15080;0;2710;0;Avdragen preliminärskatt
19;260225;36920;0;1930;0;Nettolöner utbetalda
19;260225;16338,4;7510;2731;0;Arbetsgivaravgifter 31,42 %
20;260227;31830,51;2440;1930;0;Betalning till grossisten
21;260301;19500;5010;1930;0;Hyra lokalen Storgatan
22;260305;29574,8;4010;0;0;Grossistfaktura råvaror och kaffe
22;260305;3548,98;2640;0;0;Ingående moms 12 %
22;260305;33123,78;0;2440;0;Leverantörsskuld grossisten
23;260306;26000;1220;0;0;Ny espressomaskin
23;260306;6500;2640;0;0;Ingående moms 25 %
23;260306;32500;0;1930;0;Espressomaskinen betald
24;260308;56858,04;1930;3011;0;Kassarapporter vecka 9-10
24;260308;6822,96;1930;2620;0;Utgående moms 12 %
25;260312;15080;2710;1930;0;Personalens källskatt inbetald
25;260312;16338,4;2731;1930;0;Arbetsgivaravgifter inbetalda
26;260314;10528;1930;1510;0;Inbetalning Frukostmöte kontoren norr
27;260315;6390;5020;1930;0;Elräkning kvartal 1
27;260315;1597,5;2640;1930;0;Ingående moms 25 %
28;260320;4800;6530;1930;0;Bokföringsbyrån, kvartalsarvode
28;260320;1200;2640;1930;0;Ingående moms 25 %
29;260322;62284,82;1930;3011;0;Kassarapporter vecka 11-12
29;260322;7474,18;1930;2620;0;Utgående moms 12 %
29;260322;2080;1930;3010;0;Muggar och presentartiklar
29;260322;520;1930;2610;0;Utgående moms 25 %
30;260325;52000;7010;0;0;Löner
30;260325;15080;0;2710;0;Avdragen preliminärskatt
30;260325;36920;0;1930;0;Nettolöner utbetalda
30;260325;16338,4;7510;2731;0;Arbetsgivaravgifter 31,42 %
31;260327;33123,78;2440;1930;0;Betalning till grossisten
32;260330;1020;8410;1930;0;Låneränta
32;260330;7500;2350;1930;0;Amortering banklån
33;260331;1077,4;2610;0;0;Momsavräkning 2026-01-01 – 2026-03-31
33;260331;40947,84;2620;0;0;Momsavräkning 2026-01-01 – 2026-03-31
33;260331;20095,5;0;2640;0;Momsavräkning 2026-01-01 – 2026-03-31
33;260331;21929;0;2650;0;Momsavräkning 2026-01-01 – 2026-03-31
33;260331;0,74;0;3740;0;Momsavräkning 2026-01-01 – 2026-03-31
34;260401;19500;5010;1930;0;Hyra lokalen Storgatan
35;260403;3200;5910;1930;0;Annons i lokaltidningen
35;260403;800;2640;1930;0;Ingående moms 25 %
36;260405;71760,38;1930;3012;0;Kassarapporter vecka 13-14
36;260405;4305,62;1930;2630;0;Utgående moms 6 %
37;260405;36581,9;4010;0;0;Grossistfaktura råvaror och kaffe
37;260405;2194,91;2640;0;0;Ingående moms 6 %
37;260405;38776,81;0;2440;0;Leverantörsskuld grossisten
38;260407;5059,02;4010;1930;10;Råvaror till lunchbuffé kontoren norr
38;260407;303,54;2640;1930;0;Ingående moms 6 %
39;260409;14112;1510;0;0;Faktura Lunchbuffé kontoren norr
39;260409;13313,21;0;3012;10;Lunchbuffé kontoren norr
39;260409;798,79;0;2630;0;Utgående moms 6 %
40;260412;15080;2710;1930;0;Personalens källskatt inbetald
40;260412;16338,4;2731;1930;0;Arbetsgivaravgifter inbetalda
41;260419;66339,62;1930;3012;0;Kassarapporter vecka 15-16
41;260419;3980,38;1930;2630;0;Utgående moms 6 %
42;260425;52000;7010;0;0;Löner
42;260425;15080;0;2710;0;Avdragen preliminärskatt
42;260425;36920;0;1930;0;Nettolöner utbetalda
42;260425;16338,4;7510;2731;0;Arbetsgivaravgifter 31,42 %
43;260427;38776,81;2440;1930;0;Betalning till grossisten
44;260501;19500;5010;1930;0;Hyra lokalen Storgatan
45;260503;77409,43;1930;3012;0;Kassarapporter vecka 17-18
45;260503;4644,57;1930;2630;0;Utgående moms 6 %
46;260505;41884,92;4010;0;0;Grossistfaktura råvaror och kaffe
46;260505;2513,1;2640;0;0;Ingående moms 6 %
46;260505;44398,02;0;2440;0;Leverantörsskuld grossisten
47;260509;14112;1930;1510;0;Inbetalning Lunchbuffé kontoren norr
48;260512;15080;2710;1930;0;Personalens källskatt inbetald
48;260512;16338,4;2731;1930;0;Arbetsgivaravgifter inbetalda
49;260512;21929;2650;1930;0;Moms kvartal 1 inbetald
50;260514;5701,43;4010;1930;20;Råvaror till konfirmation söder, kaffe och tårta
50;260514;342,09;2640;1930;0;Ingående moms 6 %
51;260516;15904;1510;0;0;Faktura Konfirmation söder, kaffe och tårta
51;260516;15003,77;0;3012;20;Konfirmation söder, kaffe och tårta
51;260516;900,23;0;2630;0;Utgående moms 6 %
52;260517;78947,17;1930;3012;0;Kassarapporter vecka 19-20
52;260517;4736,83;1930;2630;0;Utgående moms 6 %
52;260517;2672;1930;3010;0;Muggar och presentartiklar
52;260517;668;1930;2610;0;Utgående moms 25 %
53;260520;86319,5;2099;2091;0;Fjolårets resultat enligt årsstämman
54;260525;52000;7010;0;0;Löner
54;260525;15080;0;2710;0;Avdragen preliminärskatt
54;260525;36920;0;1930;0;Nettolöner utbetalda
54;260525;16338,4;7510;2731;0;Arbetsgivaravgifter 31,42 %
55;260527;44398,02;2440;1930;0;Betalning till grossisten
56;260529;2400;5460;1910;0;Servetter och engångsmuggar, kontant
56;260529;600;2640;1910;0;Ingående moms 25 %
57;260531;78870,75;1930;3012;0;Kassarapporter vecka 21-22
57;260531;4732,25;1930;2630;0;Utgående moms 6 %
58;260601;19500;5010;1930;0;Hyra lokalen Storgatan
59;260605;43322,31;4010;0;0;Grossistfaktura råvaror och kaffe
59;260605;2599,34;2640;0;0;Ingående moms 6 %
59;260605;45921,65;0;2440;0;Leverantörsskuld grossisten
60;260612;15080;2710;1930;0;Personalens källskatt inbetald
60;260612;16338,4;2731;1930;0;Arbetsgivaravgifter inbetalda
61;260614;81455,66;1930;3012;0;Kassarapporter vecka 23-24
61;260614;4887,34;1930;2630;0;Utgående moms 6 %
62;260615;7838;5020;1930;0;Elräkning kvartal 2
62;260615;1959,5;2640;1930;0;Ingående moms 25 %
63;260616;15904;1930;1510;0;Inbetalning Konfirmation söder, kaffe och tårta
64;260618;2700;6212;1930;0;Mobilabonnemang halvår
64;260618;675;2640;1930;0;Ingående moms 25 %
65;260620;4800;6530;1930;0;Bokföringsbyrån, kvartalsarvode
65;260620;1200;2640;1930;0;Ingående moms 25 %
66;260625;64000;7010;0;0;Löner
66;260625;18560;0;2710;0;Avdragen preliminärskatt
66;260625;45440;0;1930;0;Nettolöner utbetalda
66;260625;20108,8;7510;2731;0;Arbetsgivaravgifter 31,42 %
67;260627;45921,65;2440;1930;0;Betalning till grossisten
68;260628;84404,72;1930;3012;0;Kassarapporter vecka 25-26
68;260628;5064,28;1930;2630;0;Utgående moms 6 %
69;260628;1420;6570;1930;0;Bankavgifter och kortinlösen halvår
70;260630;960;8410;1930;0;Låneränta
70;260630;7500;2350;1930;0;Amortering banklån
71;260630;668;2610;0;0;Momsavräkning 2026-04-01 – 2026-06-30
71;260630;34050,29;2630;0;0;Momsavräkning 2026-04-01 – 2026-06-30
71;260630;13187,48;0;2640;0;Momsavräkning 2026-04-01 – 2026-06-30
71;260630;21531;0;2650;0;Momsavräkning 2026-04-01 – 2026-06-30
71;260630;0,19;3740;0;0;Momsavräkning 2026-04-01 – 2026-06-30
72;260701;19500;5010;1930;0;Hyra lokalen Storgatan
73;260705;46213,29;4010;0;0;Grossistfaktura råvaror och kaffe
73;260705;2772,8;2640;0;0;Ingående moms 6 %
73;260705;48986,09;0;2440;0;Leverantörsskuld grossisten
74;260712;82857,55;1930;3012;0;Kassarapporter vecka 27-28
74;260712;4971,45;1930;2630;0;Utgående moms 6 %
74;260712;965,6;1930;3010;0;Muggar och presentartiklar
74;260712;241,4;1930;2610;0;Utgående moms 25 %
75;260712;18560;2710;1930;0;Personalens källskatt inbetald
75;260712;20108,8;2731;1930;0;Arbetsgivaravgifter inbetalda
76;260725;64000;7010;0;0;Löner
76;260725;18560;0;2710;0;Avdragen preliminärskatt
76;260725;45440;0;1930;0;Nettolöner utbetalda
76;260725;20108,8;7510;2731;0;Arbetsgivaravgifter 31,42 %
77;260726;84652,83;1930;3012;0;Kassarapporter vecka 29-30
77;260726;5079,17;1930;2630;0;Utgående moms 6 %
78;260727;48986,09;2440;1930;0;Betalning till grossisten
79;260801;19500;5010;1930;0;Hyra lokalen Storgatan
80;260805;33950,92;4010;0;0;Grossistfaktura råvaror och kaffe
80;260805;2037,05;2640;0;0;Ingående moms 6 %
80;260805;35987,97;0;2440;0;Leverantörsskuld grossisten
81;260809;71560,38;1930;3012;0;Kassarapporter vecka 31-32
81;260809;4293,62;1930;2630;0;Utgående moms 6 %
82;260812;18560;2710;1930;0;Personalens källskatt inbetald
82;260812;20108,8;2731;1930;0;Arbetsgivaravgifter inbetalda
83;260812;21531;2650;1930;0;Moms kvartal 2 inbetald
84;260820;4537,06;4010;1930;20;Råvaror till skolstart söder, fika för föräldrar
84;260820;272,22;2640;1930;0;Ingående moms 6 %
85;260822;12656;1510;0;0;Faktura Skolstart söder, fika för föräldrar
85;260822;11939,62;0;3012;20;Skolstart söder, fika för föräldrar
85;260822;716,38;0;2630;0;Utgående moms 6 %
86;260823;69362,26;1930;3012;0;Kassarapporter vecka 33-34
86;260823;4161,74;1930;2630;0;Utgående moms 6 %
87;260825;64000;7010;0;0;Löner
87;260825;18560;0;2710;0;Avdragen preliminärskatt
87;260825;45440;0;1930;0;Nettolöner utbetalda
87;260825;20108,8;7510;2731;0;Arbetsgivaravgifter 31,42 %
88;260826;1150;5460;1910;0;Diskmedel och rengöring, kontant
88;260826;287,5;2640;1910;0;Ingående moms 25 %
89;260827;35987,97;2440;1930;0;Betalning till grossisten
90;260901;19500;5010;1930;0;Hyra lokalen Storgatan
91;260905;35448,74;4010;0;0;Grossistfaktura råvaror och kaffe
91;260905;2126,92;2640;0;0;Ingående moms 6 %
91;260905;37575,66;0;2440;0;Leverantörsskuld grossisten
92;260906;61779,25;1930;3012;0;Kassarapporter vecka 35-36
92;260906;3706,75;1930;2630;0;Utgående moms 6 %
92;260906;2417,6;1930;3010;0;Muggar och presentartiklar
92;260906;604,4;1930;2610;0;Utgående moms 25 %
93;260912;18560;2710;1930;0;Personalens källskatt inbetald
93;260912;20108,8;2731;1930;0;Arbetsgivaravgifter inbetalda
94;260915;6384;4010;1930;10;Råvaror till personaldag kontoren norr
94;260915;383,04;2640;1930;0;Ingående moms 6 %
95;260915;7338;5020;1930;0;Elräkning kvartal 3
95;260915;1834,5;2640;1930;0;Ingående moms 25 %
96;260917;17808;1510;0;0;Faktura Personaldag kontoren norr
96;260917;16800;0;3012;10;Personaldag kontoren norr
96;260917;1008;0;2630;0;Utgående moms 6 %
97;260920;65778,3;1930;3012;0;Kassarapporter vecka 37-38
97;260920;3946,7;1930;2630;0;Utgående moms 6 %
98;260920;4800;6530;1930;0;Bokföringsbyrån, kvartalsarvode
98;260920;1200;2640;1930;0;Ingående moms 25 %
99;260922;12656;1930;1510;0;Inbetalning Skolstart söder, fika för föräldrar
100;260925;52000;7010;0;0;Löner
100;260925;15080;0;2710;0;Avdragen preliminärskatt
100;260925;36920;0;1930;0;Nettolöner utbetalda
100;260925;16338,4;7510;2731;0;Arbetsgivaravgifter 31,42 %
101;260927;37575,66;2440;1930;0;Betalning till grossisten
102;260930;900;8410;1930;0;Låneränta
102;260930;7500;2350;1930;0;Amortering banklån
103;260930;845,8;2610;0;0;Momsavräkning 2026-07-01 – 2026-09-30
103;260930;27883,81;2630;0;0;Momsavräkning 2026-07-01 – 2026-09-30
103;260930;10914,03;0;2640;0;Momsavräkning 2026-07-01 – 2026-09-30
103;260930;17814;0;2650;0;Momsavräkning 2026-07-01 – 2026-09-30
103;260930;1,58;0;3740;0;Momsavräkning 2026-07-01 – 2026-09-30
104;261001;19500;5010;1930;0;Hyra lokalen Storgatan
105;261002;2600;5910;1930;0;Flygblad höstmenyn
105;261002;650;2640;1930;0;Ingående moms 25 %
106;261004;67282,08;1930;3012;0;Kassarapporter vecka 39-40
106;261004;4036,92;1930;2630;0;Utgående moms 6 %
107;261005;33382,26;4010;0;0;Grossistfaktura råvaror och kaffe
107;261005;2002,94;2640;0;0;Ingående moms 6 %
107;261005;35385,2;0;2440;0;Leverantörsskuld grossisten
108;261012;15080;2710;1930;0;Personalens källskatt inbetald
108;261012;16338,4;2731;1930;0;Arbetsgivaravgifter inbetalda
109;261017;17808;1930;1510;0;Inbetalning Personaldag kontoren norr
110;261018;63212,26;1930;3012;0;Kassarapporter vecka 41-42
110;261018;3792,74;1930;2630;0;Utgående moms 6 %
111;261025;52000;7010;0;0;Löner
111;261025;15080;0;2710;0;Avdragen preliminärskatt
111;261025;36920;0;1930;0;Nettolöner utbetalda
111;261025;16338,4;7510;2731;0;Arbetsgivaravgifter 31,42 %
112;261027;35385,2;2440;1930;0;Betalning till grossisten
113;261101;62278,3;1930;3012;0;Kassarapporter vecka 43-44
113;261101;3736,7;1930;2630;0;Utgående moms 6 %
113;261101;2159,2;1930;3010;0;Muggar och presentartiklar
113;261101;539,8;1930;2610;0;Utgående moms 25 %
114;261101;19500;5010;1930;0;Hyra lokalen Storgatan
115;261105;31699,71;4010;0;0;Grossistfaktura råvaror och kaffe
115;261105;1901,98;2640;0;0;Ingående moms 6 %
115;261105;33601,69;0;2440;0;Leverantörsskuld grossisten
116;261112;15080;2710;1930;0;Personalens källskatt inbetald
116;261112;16338,4;2731;1930;0;Arbetsgivaravgifter inbetalda
117;261112;17814;2650;1930;0;Moms kvartal 3 inbetald
118;261115;58564,15;1930;3012;0;Kassarapporter vecka 45-46
118;261115;3513,85;1930;2630;0;Utgående moms 6 %
119;261124;3693,89;4010;1930;20;Råvaror till adventsfika söder
119;261124;221,63;2640;1930;0;Ingående moms 6 %
120;261125;52000;7010;0;0;Löner
120;261125;15080;0;2710;0;Avdragen preliminärskatt
120;261125;36920;0;1930;0;Nettolöner utbetalda
120;261125;16338,4;7510;2731;0;Arbetsgivaravgifter 31,42 %
121;261126;10304;1510;0;0;Faktura Adventsfika söder
121;261126;9720,75;0;3012;20;Adventsfika söder
121;261126;583,25;0;2630;0;Utgående moms 6 %
122;261127;33601,69;2440;1930;0;Betalning till grossisten
123;261129;64898,11;1930;3012;0;Kassarapporter vecka 47-48
123;261129;3893,89;1930;2630;0;Utgående moms 6 %
124;261201;19500;5010;1930;0;Hyra lokalen Storgatan
125;261205;40832,55;4010;0;0;Grossistfaktura råvaror och kaffe
125;261205;2449,95;2640;0;0;Ingående moms 6 %
125;261205;43282,5;0;2440;0;Leverantörsskuld grossisten
126;261208;7468,08;4010;1930;10;Råvaror till julbord kontoren norr
126;261208;448,08;2640;1930;0;Ingående moms 6 %
127;261210;20832;1510;0;0;Faktura Julbord kontoren norr
127;261210;19652,83;0;3012;10;Julbord kontoren norr
127;261210;1179,17;0;2630;0;Utgående moms 6 %
128;261212;15080;2710;1930;0;Personalens källskatt inbetald
128;261212;16338,4;2731;1930;0;Arbetsgivaravgifter inbetalda
129;261213;76278,3;1930;3012;0;Kassarapporter vecka 49-50
129;261213;4576,7;1930;2630;0;Utgående moms 6 %
130;261215;6885;5020;1930;0;Elräkning kvartal 4
130;261215;1721,25;2640;1930;0;Ingående moms 25 %
131;261218;2700;6212;1930;0;Mobilabonnemang halvår
131;261218;675;2640;1930;0;Ingående moms 25 %
132;261220;4800;6530;1930;0;Bokföringsbyrån, kvartalsarvode
132;261220;1200;2640;1930;0;Ingående moms 25 %
133;261225;52000;7010;0;0;Löner
133;261225;15080;0;2710;0;Avdragen preliminärskatt
133;261225;36920;0;1930;0;Nettolöner utbetalda
133;261225;16338,4;7510;2731;0;Arbetsgivaravgifter 31,42 %
134;261226;10304;1930;1510;0;Inbetalning Adventsfika söder
135;261227;77256,6;1930;3012;0;Kassarapporter vecka 51-52
135;261227;4635,4;1930;2630;0;Utgående moms 6 %
135;261227;2264,8;1930;3010;0;Muggar och presentartiklar
135;261227;566,2;1930;2610;0;Utgående moms 25 %
136;261227;43282,5;2440;1930;0;Betalning till grossisten
137;261228;1420;6570;1930;0;Bankavgifter och kortinlösen halvår
138;261230;840;8410;1930;0;Låneränta
138;261230;7500;2350;1930;0;Amortering banklån
139;261231;21509,43;1930;3012;0;Kassarapporter 28-31 december
139;261231;1290,57;1930;2630;0;Utgående moms 6 %
140;261231;1240;1940;8310;0;Ränta sparkonto
141;261231;34800;7832;1229;0;Avskrivning inventarier 20 %
142;261231;2300;4990;1460;0;Lagerförändring vid inventering
143;261231;1106;2610;0;0;Momsavräkning 2026-10-01 – 2026-12-31
143;261231;31239,19;2630;0;0;Momsavräkning 2026-10-01 – 2026-12-31
143;261231;11270,83;0;2640;0;Momsavräkning 2026-10-01 – 2026-12-31
143;261231;21075;0;2650;0;Momsavräkning 2026-10-01 – 2026-12-31
143;261231;0,64;3740;0;0;Momsavräkning 2026-10-01 – 2026-12-31
