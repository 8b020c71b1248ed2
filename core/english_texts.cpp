// The built-in English user-interface texts, by number (generated once from the text list; edit with care).
#include "core/text_table.h"

namespace gw {

// Constant-initialised, so that windows and globals built at start-up never see it empty.
constinit const std::array<StringView, Text_Count> English_Texts = {
    u"Begin",  // 0
    u"Step 1",  // 1
    u"Step 2",  // 2
    u"Step 3",  // 3
    u"Step 4",  // 4
    u"Step 5",  // 5
    u"Step 6",  // 6
    u"Step 7",  // 7
    u"Step 8",  // 8
    u"None Configuration Opened ",  // 9
    u"Use Step1 to open or create new configuration",  // 10
    u"Opened Configuration of the Converter : ",  // 11
    u"Information",  // 12
    u"Options",  // 13
    u"Close Configurator",  // 14
    u"New Configuration",  // 15
    u"Open Configuration",  // 16
    u"Update Device UDP",  // 17
    u"Error! Project not Valid",  // 18
    u"New Version Available. Click Here for more Details",  // 19
    u"Set Communication",  // 20
    u"EtherNet/IP Access",  // 21
    u"Create a new configuration for the device",  // 22
    u"Open an exists configuration",  // 23
    u"Set the main parameters of Protocols",  // 24
    u"Set the Network of EtherNet/IP Slave",  // 25
    u"Update the actual Firmware and/or Configuration in the device",  // 26
    u"PROFINET XML",  // 27
    u"Create the GSDML File for PROFINET",  // 28
    u"Set SNMP Access",  // 29
    u"Set the SNMP Agent Access Rules",  // 30
    u"SNMP MIB",  // 31
    u"Create the SNMP MIB for Actual Configuration",  // 32
    u"MQTT Set Topic",  // 33
    u"Set the Topics for MQTT",  // 34
    u"Receive Frames",  // 35
    u"Set the CAN Receive Frames Rules",  // 36
    u"Send Frames",  // 37
    u"Set the CAN Send Frames Rules",  // 38
    u"KNX Access",  // 39
    u"Set the KNX Rules",  // 40
    u"Set BACnet Access",  // 41
    u"Set the BACnet Slave Access Rules",  // 42
    u"BACnet EDE File",  // 43
    u"Create the BACnet EDE File for Actual Configuration",  // 44
    u"PROFIBUS GSD",  // 45
    u"Create the GSD File for PROFIBUS",  // 46
    u"Set SDO Server",  // 47
    u"Set the CANopen SDO Server Rules",  // 48
    u"Set SDO Client",  // 49
    u"Set the CANopen SDO Client Rules",  // 50
    u"Set PDO Access",  // 51
    u"Set the CANopen PDO Access Rules",  // 52
    u"EDS File",  // 53
    u"Create the CANopen EDS for Actual Configuration",  // 54
    u" ",  // 55
    u" ",  // 56
    u" ",  // 57
    u" ",  // 58
    u" ",  // 59
    u" ",  // 60
    u" ",  // 61
    u" ",  // 62
    u" ",  // 63
    u" ",  // 64
    u" ",  // 65
    u" ",  // 66
    u" ",  // 67
    u" ",  // 68
    u" ",  // 69
    u" ",  // 70
    u" ",  // 71
    u" ",  // 72
    u" ",  // 73
    u" ",  // 74
    u" ",  // 75
    u" ",  // 76
    u" ",  // 77
    u" ",  // 78
    u" ",  // 79
    u" ",  // 80
    u" ",  // 81
    u" ",  // 82
    u" ",  // 83
    u" ",  // 84
    u" ",  // 85
    u" ",  // 86
    u" ",  // 87
    u" ",  // 88
    u" ",  // 89
    u" ",  // 90
    u" ",  // 91
    u" ",  // 92
    u" ",  // 93
    u" ",  // 94
    u" ",  // 95
    u" ",  // 96
    u" ",  // 97
    u" ",  // 98
    u" ",  // 99
    u"Create New Configuration",  // 100
    u"Create New Configuration",  // 101
    u"Name of the new Configuration",  // 102
    u"OK",  // 103
    u"Cancel",  // 104
    u"Error! Name project is not valid",  // 105
    u"Error! Name project is not valid because directory already exists",  // 106
    u"Error! Name Project is not valid",  // 107
    u"Insert here the name of new configuration",  // 108
    u"Confirm the Name of new Configuration",  // 109
    u"Cancel the New Configuration",  // 110
    u" ",  // 111
    u" ",  // 112
    u" ",  // 113
    u" ",  // 114
    u" ",  // 115
    u" ",  // 116
    u" ",  // 117
    u" ",  // 118
    u" ",  // 119
    u" ",  // 120
    u" ",  // 121
    u" ",  // 122
    u" ",  // 123
    u" ",  // 124
    u" ",  // 125
    u" ",  // 126
    u" ",  // 127
    u" ",  // 128
    u" ",  // 129
    u" ",  // 130
    u" ",  // 131
    u" ",  // 132
    u" ",  // 133
    u" ",  // 134
    u" ",  // 135
    u" ",  // 136
    u" ",  // 137
    u" ",  // 138
    u" ",  // 139
    u" ",  // 140
    u" ",  // 141
    u" ",  // 142
    u" ",  // 143
    u" ",  // 144
    u" ",  // 145
    u" ",  // 146
    u" ",  // 147
    u" ",  // 148
    u" ",  // 149
    u" ",  // 150
    u" ",  // 151
    u" ",  // 152
    u" ",  // 153
    u" ",  // 154
    u" ",  // 155
    u" ",  // 156
    u" ",  // 157
    u" ",  // 158
    u" ",  // 159
    u" ",  // 160
    u" ",  // 161
    u" ",  // 162
    u" ",  // 163
    u" ",  // 164
    u" ",  // 165
    u" ",  // 166
    u" ",  // 167
    u" ",  // 168
    u" ",  // 169
    u" ",  // 170
    u" ",  // 171
    u" ",  // 172
    u" ",  // 173
    u" ",  // 174
    u" ",  // 175
    u" ",  // 176
    u" ",  // 177
    u" ",  // 178
    u" ",  // 179
    u" ",  // 180
    u" ",  // 181
    u" ",  // 182
    u" ",  // 183
    u" ",  // 184
    u" ",  // 185
    u" ",  // 186
    u" ",  // 187
    u" ",  // 188
    u" ",  // 189
    u" ",  // 190
    u" ",  // 191
    u" ",  // 192
    u" ",  // 193
    u" ",  // 194
    u" ",  // 195
    u" ",  // 196
    u" ",  // 197
    u" ",  // 198
    u" ",  // 199
    u"Open Configuration",  // 200
    u"Open an Existing Configuration",  // 201
    u"List of Avaliable Configurations",  // 202
    u"OK",  // 203
    u"Cancel",  // 204
    u"Select from this list the configuration to open",  // 205
    u"Open the Selected Configuration",  // 206
    u"Cancel open of Configuration",  // 207
    u" ",  // 208
    u" ",  // 209
    u" ",  // 210
    u" ",  // 211
    u" ",  // 212
    u" ",  // 213
    u" ",  // 214
    u" ",  // 215
    u" ",  // 216
    u" ",  // 217
    u" ",  // 218
    u" ",  // 219
    u" ",  // 220
    u" ",  // 221
    u" ",  // 222
    u" ",  // 223
    u" ",  // 224
    u" ",  // 225
    u" ",  // 226
    u" ",  // 227
    u" ",  // 228
    u" ",  // 229
    u" ",  // 230
    u" ",  // 231
    u" ",  // 232
    u" ",  // 233
    u" ",  // 234
    u" ",  // 235
    u" ",  // 236
    u" ",  // 237
    u" ",  // 238
    u" ",  // 239
    u" ",  // 240
    u" ",  // 241
    u" ",  // 242
    u" ",  // 243
    u" ",  // 244
    u" ",  // 245
    u" ",  // 246
    u" ",  // 247
    u" ",  // 248
    u" ",  // 249
    u" ",  // 250
    u" ",  // 251
    u" ",  // 252
    u" ",  // 253
    u" ",  // 254
    u" ",  // 255
    u" ",  // 256
    u" ",  // 257
    u" ",  // 258
    u" ",  // 259
    u" ",  // 260
    u" ",  // 261
    u" ",  // 262
    u" ",  // 263
    u" ",  // 264
    u" ",  // 265
    u" ",  // 266
    u" ",  // 267
    u" ",  // 268
    u" ",  // 269
    u" ",  // 270
    u" ",  // 271
    u" ",  // 272
    u" ",  // 273
    u" ",  // 274
    u" ",  // 275
    u" ",  // 276
    u" ",  // 277
    u" ",  // 278
    u" ",  // 279
    u" ",  // 280
    u" ",  // 281
    u" ",  // 282
    u" ",  // 283
    u" ",  // 284
    u" ",  // 285
    u" ",  // 286
    u" ",  // 287
    u" ",  // 288
    u" ",  // 289
    u" ",  // 290
    u" ",  // 291
    u" ",  // 292
    u" ",  // 293
    u" ",  // 294
    u" ",  // 295
    u" ",  // 296
    u" ",  // 297
    u" ",  // 298
    u" ",  // 299
    u"Software Options",  // 300
    u"Software Options",  // 301
    u"Language",  // 302
    u"Connection Options",  // 303
    u"Selected Language : ",  // 304
    u"Page ",  // 305
    u" / ",  // 306
    u"Previous",  // 307
    u"Next",  // 308
    u"Enable Internet Connection",  // 309
    u"Check Software Update at Start of Program",  // 310
    u"Check Available Update",  // 311
    u"OK",  // 312
    u"Cancel",  // 313
    u"New Version Available. Click Here for more Details",  // 314
    u"No Update Available",  // 315
    u"Do you want to change the Language from ",  // 316
    u" to ",  // 317
    u"?",  // 318
    u"Software Settings",  // 319
    u"Jump into next field in the tables by pressing the Enter Key",  // 320
    u"Enable Auto Size of Table Columns by Double Click",  // 321
    u" ",  // 322
    u" ",  // 323
    u" ",  // 324
    u" ",  // 325
    u" ",  // 326
    u" ",  // 327
    u" ",  // 328
    u" ",  // 329
    u" ",  // 330
    u" ",  // 331
    u" ",  // 332
    u" ",  // 333
    u" ",  // 334
    u" ",  // 335
    u" ",  // 336
    u" ",  // 337
    u" ",  // 338
    u" ",  // 339
    u" ",  // 340
    u" ",  // 341
    u" ",  // 342
    u" ",  // 343
    u" ",  // 344
    u" ",  // 345
    u" ",  // 346
    u" ",  // 347
    u" ",  // 348
    u" ",  // 349
    u" ",  // 350
    u" ",  // 351
    u" ",  // 352
    u" ",  // 353
    u" ",  // 354
    u" ",  // 355
    u" ",  // 356
    u" ",  // 357
    u" ",  // 358
    u" ",  // 359
    u" ",  // 360
    u" ",  // 361
    u" ",  // 362
    u" ",  // 363
    u" ",  // 364
    u" ",  // 365
    u" ",  // 366
    u" ",  // 367
    u" ",  // 368
    u" ",  // 369
    u" ",  // 370
    u" ",  // 371
    u" ",  // 372
    u" ",  // 373
    u" ",  // 374
    u" ",  // 375
    u" ",  // 376
    u" ",  // 377
    u" ",  // 378
    u" ",  // 379
    u" ",  // 380
    u" ",  // 381
    u" ",  // 382
    u" ",  // 383
    u" ",  // 384
    u" ",  // 385
    u" ",  // 386
    u" ",  // 387
    u" ",  // 388
    u" ",  // 389
    u" ",  // 390
    u" ",  // 391
    u" ",  // 392
    u" ",  // 393
    u" ",  // 394
    u" ",  // 395
    u" ",  // 396
    u" ",  // 397
    u" ",  // 398
    u" ",  // 399
    u"Set Communication",  // 400
    u"Set Communication Setting",  // 401
    u"OK",  // 402
    u"Cancel",  // 403
    u"Confirm and Save the current configuration",  // 404
    u"Exit and Discard the current configuration",  // 405
    u"RarudUra/ZU Vidira",  // 406
    u"IP Address",  // 407
    u"Insert First byte of IP Address",  // 408
    u"Insert Second byte of IP Address",  // 409
    u"Insert Third byte of IP Address",  // 410
    u"Insert Fourth byte of IP Address",  // 411
    u"SubNet Mask",  // 412
    u"Insert First byte of SubNet Mask",  // 413
    u"Insert Second byte of SubNet Mask",  // 414
    u"Insert Third byte of SubNet Mask",  // 415
    u"Insert Fourth byte of SubNet Mask",  // 416
    u"Gateway",  // 417
    u"Enable/disable the Default Gateway",  // 418
    u"Insert First byte of Default Gateway",  // 419
    u"Insert Second byte of Default Gateway",  // 420
    u"Insert Third byte of Default Gateway",  // 421
    u"Insert Fourth byte of Default Gateway",  // 422
    u"Port",  // 423
    u"Insert the Port of EtherNet/IP (fixed to 44818)",  // 424
    u"PROFINET",  // 425
    u"IP Address",  // 426
    u"Insert First byte of IP Address",  // 427
    u"Insert Second byte of IP Address",  // 428
    u"Insert Third byte of IP Address",  // 429
    u"Insert Fourth byte of IP Address",  // 430
    u"SubNet Mask",  // 431
    u"Insert First byte of SubNet Mask",  // 432
    u"Insert Second byte of SubNet Mask",  // 433
    u"Insert Third byte of SubNet Mask",  // 434
    u"Insert Fourth byte of SubNet Mask",  // 435
    u"Gateway",  // 436
    u"Enable/Disable the Default Gateway",  // 437
    u"Insert First byte of Default Gateway",  // 438
    u"Insert Second byte of Default Gateway",  // 439
    u"Insert Third byte of Default Gateway",  // 440
    u"Insert Fourth byte of Default Gateway",  // 441
    u"Port",  // 442
    u"Insert the Port for PROFINET (fixed to 34964)",  // 443
    u"Name of Station",  // 444
    u"Insert the Name of Station for PROFINET",  // 445
    u"Number Bytes Input",  // 446
    u"Insert the Number Bytes in Input for the Converter, between 0 and 1438",  // 447
    u"Number Bytes Output",  // 448
    u"Insert the Number Bytes in Output from Converter, between 0 and 1438",  // 449
    u"Error RarudUra/ZU Vidira!! IP Address 1 must be between 0 and 255",  // 450
    u"Error RarudUra/ZU Vidira!! IP Address 2 must be between 0 and 255",  // 451
    u"Error RarudUra/ZU Vidira!! IP Address 3 must be between 0 and 255",  // 452
    u"Error RarudUra/ZU Vidira!! IP Address 4 must be between 0 and 255",  // 453
    u"Error RarudUra/ZU Vidira!! SUBNET Mask 1 must be between 0 and 255",  // 454
    u"Error RarudUra/ZU Vidira!! SUBNET Mask 2 must be between 0 and 255",  // 455
    u"Error RarudUra/ZU Vidira!! SUBNET Mask 3 must be between 0 and 255",  // 456
    u"Error RarudUra/ZU Vidira!! SUBNET Mask 4 must be between 0 and 255",  // 457
    u"Error RarudUra/ZU Vidira!! GATEWAY IP 1 must be between 0 and 255",  // 458
    u"Error RarudUra/ZU Vidira!! GATEWAY IP 2 must be between 0 and 255",  // 459
    u"Error RarudUra/ZU Vidira!! GATEWAY IP 3 must be between 0 and 255",  // 460
    u"Error RarudUra/ZU Vidira!! GATEWAY IP 4 must be between 0 and 255",  // 461
    u"Error PROFINET!! IP Address 1 must be between 0 and 255",  // 462
    u"Error PROFINET!! IP Address 2 must be between 0 and 255",  // 463
    u"Error PROFINET!! IP Address 3 must be between 0 and 255",  // 464
    u"Error PROFINET!! IP Address 4 must be between 0 and 255",  // 465
    u"Error PROFINET!! SubNet Mask 1 must be between 0 and 255",  // 466
    u"Error PROFINET!! SubNet Mask 2 must be between 0 and 255",  // 467
    u"Error PROFINET!! SubNet Mask 3 must be between 0 and 255",  // 468
    u"Error PROFINET!! SubNet Mask 4 must be between 0 and 255",  // 469
    u"Error PROFINET!! Gateway IP 1 must be between 0 and 255",  // 470
    u"Error PROFINET!! Gateway IP 2 must be between 0 and 255",  // 471
    u"Error PROFINET!! Gateway IP 3 must be between 0 and 255",  // 472
    u"Error PROFINET!! Gateway IP 4 must be between 0 and 255",  // 473
    u"Error PROFINET!! Tunneling PORT must be different to 0 or 34962 or 34963 or 34964 or 10000 or 10001",  // 474
    u"Error PROFINET!! Number Bytes Input must be between 0 and ",  // 475
    u"Error PROFINET!! Number Bytes Output must be between 0 and ",  // 476
    u"SNMP Agent",  // 477
    u"IP Address",  // 478
    u"Insert First byte of IP Address",  // 479
    u"Insert Second byte of IP Address",  // 480
    u"Insert Third byte of IP Address",  // 481
    u"Insert Fourth byte of IP Address",  // 482
    u"SubNet Mask",  // 483
    u"Insert First byte of SubNet Mask",  // 484
    u"Insert Second byte of SubNet Mask",  // 485
    u"Insert Third byte of SubNet Mask",  // 486
    u"Insert Fourth byte of SubNet Mask",  // 487
    u"Gateway",  // 488
    u"Enable/Disable the Default Gateway",  // 489
    u"Insert First byte of Default Gateway",  // 490
    u"Insert Second byte of Default Gateway",  // 491
    u"Insert Third byte of Default Gateway",  // 492
    u"Insert Fourth byte of Default Gateway",  // 493
    u"Name of Station",  // 494
    u"Insert the Name of Station for SNMP",  // 495
    u"Contact",  // 496
    u"Insert the Contact for the SNMP Device",  // 497
    u"Location",  // 498
    u"Insert the Location for the SNMP Device",  // 499
    u"Version",  // 500
    u"Enable/Disable the Version 1 of SNMP",  // 501
    u"Enable/Disable the Version 2 of SNMP",  // 502
    u"Enable/Disable the Version 3 of SNMP",  // 503
    u"User",  // 504
    u"Insert the User for the SNMP Device Version 3",  // 505
    u"Security Level",  // 506
    u"Select the Security Level for SNMP",  // 507
    u"Authority",  // 508
    u"Insert the Authority for SNMP Device Version 3",  // 509
    u"Authority Mode",  // 510
    u"Select the Authority Mode for SNMP Device Version 3, MD5 or SHA",  // 511
    u"Privacy",  // 512
    u"Insert the Privacy for SNMP Device Version 3",  // 513
    u"Privacy Mode",  // 514
    u"Select the Privacy Mode for SNMP Device Version 3, DES or AES",  // 515
    u"Error SNMP Agent!! IP Address 1 must be between 0 and 255",  // 516
    u"Error SNMP Agent!! IP Address 2 must be between 0 and 255",  // 517
    u"Error SNMP Agent!! IP Address 3 must be between 0 and 255",  // 518
    u"Error SNMP Agent!! IP Address 4 must be between 0 and 255",  // 519
    u"Error SNMP Agent!! SubNet Mask 1 must be between 0 and 255",  // 520
    u"Error SNMP Agent!! SubNet Mask 2 must be between 0 and 255",  // 521
    u"Error SNMP Agent!! SubNet Mask 3 must be between 0 and 255",  // 522
    u"Error SNMP Agent!! SubNet Mask 4 must be between 0 and 255",  // 523
    u"Error SNMP Agent!! Gateway IP 1 must be between 0 and 255",  // 524
    u"Error SNMP Agent!! Gateway IP 2 must be between 0 and 255",  // 525
    u"Error SNMP Agent!! Gateway IP 3 must be between 0 and 255",  // 526
    u"Error SNMP Agent!! Gateway IP 4 must be between 0 and 255",  // 527
    u"PROFIBUS",  // 528
    u"ID Device",  // 529
    u"Insert the ID Device for the PROFIBUS, between 1 and 125",  // 530
    u"Baudrate",  // 531
    u"Select the Baudrate of PROFIBUS, fixed to AutoBaudrate",  // 532
    u"Number Byte In",  // 533
    u"Insert the Number Bytes in Input for the Converter, between 0 and 244",  // 534
    u"Number Byte Out",  // 535
    u"Insert the Number Bytes in Output from the Converter, between 0 and 244",  // 536
    u"Error PROFIBUS!! ID Device must be between 1 and 125",  // 537
    u"Error PROFIBUS!! Number Bytes Input must be between 0 and 244",  // 538
    u"Error PROFIBUS!! Number Bytes OutPut must be between 0 and 244",  // 539
    u"CAN",  // 540
    u"Baudrate",  // 541
    u"Select Baudrate to use in CAN port",  // 542
    u"DeviceNet Slave",  // 543
    u"ID Device",  // 544
    u"Insert the ID Device of DeviceNet Slave, between 0 and 63",  // 545
    u"Baudrate",  // 546
    u"Select Baudrate to use in DeviceNet Port",  // 547
    u"Number Byte In",  // 548
    u"Insert the Number Bytes Input of DeviceNet Slave, between 0 and 455",  // 549
    u"Number Byte Out",  // 550
    u"Insert the Number Bytes Output of DeviceNet Slave, between 0 and 455",  // 551
    u"Error DeviceNet Slave!! ID Device must be between 0 and 63",  // 552
    u"Error DeviceNet Slave!! Number Bytes Input must be between 0 and 455",  // 553
    u"Error DeviceNet Slave!! Number Bytes Output must be between 0 and 455",  // 554
    u"Modbus TCP Slave",  // 555
    u"IP Address",  // 556
    u"Insert First byte of IP Address",  // 557
    u"Insert Second byte of IP Address",  // 558
    u"Insert Third byte of IP Address",  // 559
    u"Insert Fourth byte of IP Address",  // 560
    u"SubNet Mask",  // 561
    u"Insert First byte of SubNet Mask",  // 562
    u"Insert Second byte of SubNet Mask",  // 563
    u"Insert Third byte of SubNet Mask",  // 564
    u"Insert Fourth byte of SubNet Mask",  // 565
    u"Gateway",  // 566
    u"Enable/disable the Default Gateway",  // 567
    u"Insert First byte of Default Gateway",  // 568
    u"Insert Second byte of Default Gateway",  // 569
    u"Insert Third byte of Default Gateway",  // 570
    u"Insert Fourth byte of Default Gateway",  // 571
    u"Port",  // 572
    u"Insert the communication port to use for Modbus, from 0 to 65535 but different from 10000",  // 573
    u"Error Modbus TCP Slave!! IP Address 1 must be between 0 and 255",  // 574
    u"Error Modbus TCP Slave!! IP Address 2 must be between 0 and 255",  // 575
    u"Error Modbus TCP Slave!! IP Address 3 must be between 0 and 255",  // 576
    u"Error Modbus TCP Slave!! IP Address 4 must be between 0 and 255",  // 577
    u"Error Modbus TCP Slave!! SubNet Mask 1 must be between 0 and 255",  // 578
    u"Error Modbus TCP Slave!! SubNet Mask 2 must be between 0 and 255",  // 579
    u"Error Modbus TCP Slave!! SubNet Mask 3 must be between 0 and 255",  // 580
    u"Error Modbus TCP Slave!! SubNet Mask 4 must be between 0 and 255",  // 581
    u"Error Modbus TCP Slave!! Gateway IP 1 must be between 0 and 255",  // 582
    u"Error Modbus TCP Slave!! Gateway IP 2 must be between 0 and 255",  // 583
    u"Error Modbus TCP Slave!! Gateway IP 3 must be between 0 and 255",  // 584
    u"Error Modbus TCP Slave!! Gateway IP 4 must be between 0 and 255",  // 585
    u"Error Modbus TCP Slave!! Port must be between 0 and 65535, and different from 10000",  // 586
    u"Serial",  // 587
    u"Serial",  // 588
    u"Select the Serial to use (RS232 or RS485)",  // 589
    u"Baudrate",  // 590
    u"Select Baudrate to use in serial",  // 591
    u"Parity",  // 592
    u"Select Parity to use in serial",  // 593
    u"Stop Bits",  // 594
    u"Select Stop Bits to use in serial, the two stop bits can used only with None Parity",  // 595
    u"Error Serial!! Two Stop Bits can be selected only with None Parity",  // 596
    u"Modbus Slave",  // 597
    u"Serial",  // 598
    u"Select the Serial to use with Modbus Protocol (RS232 or RS485)",  // 599
    u"Baudrate",  // 600
    u"Select Baudrate to use in serial",  // 601
    u"Parity",  // 602
    u"Select Parity to use in serial",  // 603
    u"Stop Bits",  // 604
    u"Select Stop Bits to use in serial, the two stop bits can used only with None Parity",  // 605
    u"ID Device",  // 606
    u"Insert the ID Device of Modbus Slave, between 1 and 247",  // 607
    u"Read with Input Register / Status Function",  // 608
    u"Enable/disable the Input Register / Status for Read Data, the Holding Register and Coil Status for Write Data",  // 609
    u"BACnet Slave",  // 610
    u"Type",  // 611
    u"Select the BACnet Type (IP or MS/TP)",  // 612
    u"IP Address",  // 613
    u"Insert First byte of IP Address",  // 614
    u"Insert Second byte of IP Address",  // 615
    u"Insert Third byte of IP Address",  // 616
    u"Insert Fourth byte of IP Address",  // 617
    u"SubNet Mask",  // 618
    u"Insert First byte of SubNet Mask",  // 619
    u"Insert Second byte of SubNet Mask",  // 620
    u"Insert Third byte of SubNet Mask",  // 621
    u"Insert Fourth byte of SubNet Mask",  // 622
    u"Gateway",  // 623
    u"Enable/Disable the Default Gateway",  // 624
    u"Insert First byte of Default Gateway",  // 625
    u"Insert Second byte of Default Gateway",  // 626
    u"Insert Third byte of Default Gateway",  // 627
    u"Insert Fourth byte of Default Gateway",  // 628
    u"Port",  // 629
    u"Insert the Ethernet Port for the BACnet, default port is 47808",  // 630
    u"BACnet Device Name",  // 631
    u"Insert the Device Name for the BACnet Device",  // 632
    u"Device Identifier",  // 633
    u"Insert the BACnet Device Identifier, between 0 and 4194303",  // 634
    u"Baudrate",  // 635
    u"Select the Baudrate for the BACnet MS/TP",  // 636
    u"Parity",  // 637
    u"Select the Parity for the BACnet MS/TP",  // 638
    u"BACnet Device Name",  // 639
    u"Insert the Device Name for the BACnet Device",  // 640
    u"MAC Address",  // 641
    u"Insert the BACnet MAC Address, between 0 and 127",  // 642
    u"Max Master",  // 643
    u"Insert the BACnet Max Master, between 1 and 127",  // 644
    u"Max Info Frame",  // 645
    u"Insert the BACnet Info Frame, between 1 and 100",  // 646
    u"Device Instance",  // 647
    u"Insert the BACnet Device Instance, between 0 and 4194303",  // 648
    u"NetWork",  // 649
    u"Insert the BACnet Network, between 1 and 65534",  // 650
    u"BACnet description up to 32 chars",  // 651
    u"Enable/Disable the Possibility to Increase the Description to 32 characters",  // 652
    u"Error BACnet!! IP Address 1 must be between 0 and 255",  // 653
    u"Error BACnet!! IP Address 2 must be between 0 and 255",  // 654
    u"Error BACnet!! IP Address 3 must be between 0 and 255",  // 655
    u"Error BACnet!! IP Address 4 must be between 0 and 255",  // 656
    u"Error BACnet!! SubNet Mask 1 must be between 0 and 255",  // 657
    u"Error BACnet!! SubNet Mask 2 must be between 0 and 255",  // 658
    u"Error BACnet!! SubNet Mask 3 must be between 0 and 255",  // 659
    u"Error BACnet!! SubNet Mask 4 must be between 0 and 255",  // 660
    u"Error BACnet!! Gateway IP 1 must be between 0 and 255",  // 661
    u"Error BACnet!! Gateway IP 2 must be between 0 and 255",  // 662
    u"Error BACnet!! Gateway IP 3 must be between 0 and 255",  // 663
    u"Error BACnet!! Gateway IP 4 must be between 0 and 255",  // 664
    u"Error BACnet!! PORT must be between 0 and 65535, and different from 10000 and 10001",  // 665
    u"Error BACnet!! BACnet Device Name is not correct (allowed characters are 'a'..'z' and '0'..'1')",  // 666
    u"Error BACnet!! Device Identifier must be between 0 and 4194303",  // 667
    u"Error BACnet!! MAC Address must be between 0 and 127",  // 668
    u"Error BACnet!! Max Master must be between 1 and 127",  // 669
    u"Error BACnet!! Max Info Frames must be between 1 and 100",  // 670
    u"Error BACnet!! Device Instance must be between 0 and 4194303",  // 671
    u"Error BACnet!! Network must be between 1 and 65534",  // 672
    u"KNX",  // 673
    u"Type",  // 674
    u"Select the Type of KNX",  // 675
    u"ID Device",  // 676
    u"Insert the ID device of KNX device (Ex. 1.1.20)",  // 677
    u"Error KNX!! ID Device must be a valid KNX Address (Ex. 1.1.20)",  // 678
    u"MQTT",  // 679
    u"Server URL",  // 680
    u"Insert the URL or IP Address of MQTT server",  // 681
    u"Server Port",  // 682
    u"Insert the Port of MQTT server (default 1883, default with TLS 883)",  // 683
    u"Client ID",  // 684
    u"Insert the Client ID of MQTT server",  // 685
    u"Keep Alive (seconds)",  // 686
    u"Insert the Keep Alive of MQTT server, 0 to disable it (from 0 to 65535)",  // 687
    u"Clean Session",  // 688
    u"Select if Clean the data when reconnect",  // 689
    u"Will Flag",  // 690
    u"Select if MQTT use the Will",  // 691
    u"Topic Name Will",  // 692
    u"Insert the Topic Name of Will",  // 693
    u"Message Will",  // 694
    u"Insert the Message of Will",  // 695
    u"Retained Will",  // 696
    u"Select if Will use the Retained",  // 697
    u"QoS Will",  // 698
    u"Select the Quality of Service value (0 or 1 or 2)",  // 699
    u"Username",  // 700
    u"Insert the Username for MQTT",  // 701
    u"Password",  // 702
    u"Insert the Password for MQTT",  // 703
    u"Send Time (seconds)",  // 704
    u"Insert the Send Time for the Asynchronous Mode, Expressed in Seconds",  // 705
    u"Read with Input Register / Status Function",  // 706
    u"Enable/disable the Possibility to read the Input Data only with Input Registers",  // 707
    u"Ethernet",  // 708
    u"IP Address",  // 709
    u"Insert First byte of IP Address",  // 710
    u"Insert Second byte of IP Address",  // 711
    u"Insert Third byte of IP Address",  // 712
    u"Insert Fourth byte of IP Address",  // 713
    u"SubNet Mask",  // 714
    u"Insert First byte of SubNet Mask",  // 715
    u"Insert Second byte of SubNet Mask",  // 716
    u"Insert Third byte of SubNet Mask",  // 717
    u"Insert Fourth byte of SubNet Mask",  // 718
    u"Gateway",  // 719
    u"Enable/disable the Default Gateway",  // 720
    u"Insert First byte of Default Gateway",  // 721
    u"Insert Second byte of Default Gateway",  // 722
    u"Insert Third byte of Default Gateway",  // 723
    u"Insert Fourth byte of Default Gateway",  // 724
    u"DNS",  // 725
    u"Enable/disable the Domain Name System",  // 726
    u"Insert First byte of DNS",  // 727
    u"Insert Second byte of DNS",  // 728
    u"Insert Third byte of DNS",  // 729
    u"Insert Fourth byte of DNS",  // 730
    u"TCP Port",  // 731
    u"Insert the TCP Port",  // 732
    u"UDP Port",  // 733
    u"Insert the UDP Port",  // 734
    u"Error Ethernet!! IP Address 1 must be between 0 and 255",  // 735
    u"Error Ethernet!! IP Address 2 must be between 0 and 255",  // 736
    u"Error Ethernet!! IP Address 3 must be between 0 and 255",  // 737
    u"Error Ethernet!! IP Address 4 must be between 0 and 255",  // 738
    u"Error Ethernet!! SubNet Mask 1 must be between 0 and 255",  // 739
    u"Error Ethernet!! SubNet Mask 2 must be between 0 and 255",  // 740
    u"Error Ethernet!! SubNet Mask 3 must be between 0 and 255",  // 741
    u"Error Ethernet!! SubNet Mask 4 must be between 0 and 255",  // 742
    u"Error Ethernet!! GATEWAY IP 1 must be between 0 and 255",  // 743
    u"Error Ethernet!! GATEWAY IP 2 must be between 0 and 255",  // 744
    u"Error Ethernet!! GATEWAY IP 3 must be between 0 and 255",  // 745
    u"Error Ethernet!! GATEWAY IP 4 must be between 0 and 255",  // 746
    u"Error Ethernet!! DNS 1 must be between 0 and 255",  // 747
    u"Error Ethernet!! DNS 2 must be between 0 and 255",  // 748
    u"Error Ethernet!! DNS 3 must be between 0 and 255",  // 749
    u"Error Ethernet!! DNS 4 must be between 0 and 255",  // 750
    u"Error Ethernet!! TCP Port must be between 0 and 65535 and different from 10000",  // 751
    u"Error Ethernet!! UDP Port must be between 0 and 65535 and different from 10000",  // 752
    u"CANopen",  // 753
    u"ID Device",  // 754
    u"Insert the ID Device of CANopen, between 1 and 127",  // 755
    u"Baudrate",  // 756
    u"Select Baudrate to use in CANopen Port",  // 757
    u"Set Operational State at Start-Up",  // 758
    u"Enable/disable the possibility to set Operational State on Startup",  // 759
    u"Network Start at Start-up. Delay (seconds)",  // 760
    u"Enable/disable the Possibility to Send the Broadcast Start Remote Node Command",  // 761
    u"Insert the Time from Start of Device Before to send the Broadcast Start Remote Node Command, Expressed in "
    u"Seconds",  // 762
    u"SDO Client TimeOut (1/10 millisecons)",  // 763
    u"Insert the TimeOut for the CLient SDO Requests",  // 764
    u"Error CANopen!! ID Device must be between 1 and 127",  // 765
    u"Error CANopen!! Delay must be between 0 and 255",  // 766
    u"Error CANopen!! SDO Client TimeOut must be between 0 and 100000",  // 767
    u" ",  // 768
    u" ",  // 769
    u" ",  // 770
    u" ",  // 771
    u" ",  // 772
    u" ",  // 773
    u" ",  // 774
    u" ",  // 775
    u" ",  // 776
    u" ",  // 777
    u" ",  // 778
    u" ",  // 779
    u" ",  // 780
    u" ",  // 781
    u" ",  // 782
    u" ",  // 783
    u" ",  // 784
    u" ",  // 785
    u" ",  // 786
    u" ",  // 787
    u" ",  // 788
    u" ",  // 789
    u" ",  // 790
    u" ",  // 791
    u" ",  // 792
    u" ",  // 793
    u" ",  // 794
    u" ",  // 795
    u" ",  // 796
    u" ",  // 797
    u" ",  // 798
    u" ",  // 799
    u"Set EtherNet/IP Slaves Access",  // 800
    u"Set EtherNet/IP Slaves Access",  // 801
    u"OK",  // 802
    u"Cancel",  // 803
    u"Delete Row",  // 804
    u"Insert Row",  // 805
    u"Copy Row",  // 806
    u"Paste Row",  // 807
    u"Confirm and save the MQTT Set Topics List",  // 808
    u"Exit without save the MQTT Set Topics List",  // 809
    u"Delete the Selected Row in the table",  // 810
    u"Insert a Row in the Table",  // 811
    u"Copy all Fields of the Selected Row",  // 812
    u"Paste the Copied Fields in the Selected Row",  // 813
    u"N",  // 814
    u"Enable",  // 815
    u"IP Address",  // 816
    u"Start Input",  // 817
    u"Num Input",  // 818
    u"Start Output",  // 819
    u"Num Output",  // 820
    u"Time Poll",  // 821
    u"Mnemonic",  // 822
    u"Enable or Disable the Row",  // 823
    u"Insert the IP Address of EtherNet/IP Slave",  // 824
    u"Insert the Index of First Input Byte of Slave to Save",  // 825
    u"Insert the Number of Input Bytes to Save",  // 826
    u"Insert the Index of First Output Byte of Slave to Write",  // 827
    u"Insert the Number of Output Bytes to Write",  // 828
    u"Insert the Time between the Data Request of Slave. expressed in milliseconds",  // 829
    u"Description of Slave EtherNet/IP",  // 830
    u"Error row ",  // 831
    u"!! IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)",  // 832
    u"!! Start Input must be major or equal to 0",  // 833
    u"!! Num Input must be major or equal to 0",  // 834
    u"!! Start Output must be major or equal to 0",  // 835
    u"!! Num Output must be major or equal to 0",  // 836
    u"!! Poll Time must be between 1 and 100000000",  // 837
    u"Error!! The Total Number of Input Bytes must be between 0 and ",  // 838
    u"Error!! The Total Number of Output Bytes must be between 0 and ",  // 839
    u"Are you sure to delete the Row number ",  // 840
    u"Instance T > O",  // 841
    u"Instance O > T",  // 842
    u"Insert the Instance Target To Oginator (T > O). Default Value 1",  // 843
    u"Insert the Instance Oginator To Target (O > T). Default Value 1",  // 844
    u"!! Instance T > O must be between 0 and 65535. Default Value 1",  // 845
    u"!! Instance O > T must be between 0 and 65535. Default Value 1",  // 846
    u"Conn. Point T > O",  // 847
    u"Conn. Point O > T",  // 848
    u"Insert the Connection Point Target To Oginator (T > O). Default Value 100",  // 849
    u"Insert the Connection Point Oginator To Target (O > T). Default Value 101",  // 850
    u"!! Connection Point T > O must be between 0 and 65535. Default Value 100",  // 851
    u"!! Connection Point O > T must be between 0 and 65535. Default Value 101",  // 852
    u"Dim Header T > O",  // 853
    u"Dim Header O > T",  // 854
    u"Insert the Dimension Header Target To Oginator (T > O). Default Value 0",  // 855
    u"Insert the Dimension Header Oginator To Target (O > T). Default Value 4",  // 856
    u"!! Dimension Header T > O must be between 0 and 7. Default Value 0",  // 857
    u"!! Dimension Header O > T must be between 0 and 7. Default Value 4",  // 858
    u"Import EDS",  // 859
    u"Import a slave EtherNet/IP from EDS File",  // 860
    u" ",  // 861
    u" ",  // 862
    u" ",  // 863
    u" ",  // 864
    u" ",  // 865
    u" ",  // 866
    u" ",  // 867
    u" ",  // 868
    u" ",  // 869
    u" ",  // 870
    u" ",  // 871
    u" ",  // 872
    u" ",  // 873
    u" ",  // 874
    u" ",  // 875
    u" ",  // 876
    u" ",  // 877
    u" ",  // 878
    u" ",  // 879
    u" ",  // 880
    u" ",  // 881
    u" ",  // 882
    u" ",  // 883
    u" ",  // 884
    u" ",  // 885
    u" ",  // 886
    u" ",  // 887
    u" ",  // 888
    u" ",  // 889
    u" ",  // 890
    u" ",  // 891
    u" ",  // 892
    u" ",  // 893
    u" ",  // 894
    u" ",  // 895
    u" ",  // 896
    u" ",  // 897
    u" ",  // 898
    u" ",  // 899
    u"PROFINET XML File Name",  // 900
    u"Create the PROFINET XML GSD File",  // 901
    u"OK",  // 902
    u"Cancel",  // 903
    u"Select the PROFINET XML File Name",  // 904
    u"Fixed Part",  // 905
    u"User Part",  // 906
    u"Fixed Part",  // 907
    u"Insert here the User part of GSDML file",  // 908
    u"Confirm and save the GSDML File",  // 909
    u"Exit without save the GSDML File",  // 910
    u"File already exists! Do you want to overwrite the file?",  // 911
    u" ",  // 912
    u" ",  // 913
    u" ",  // 914
    u" ",  // 915
    u" ",  // 916
    u" ",  // 917
    u" ",  // 918
    u" ",  // 919
    u" ",  // 920
    u" ",  // 921
    u" ",  // 922
    u" ",  // 923
    u" ",  // 924
    u" ",  // 925
    u" ",  // 926
    u" ",  // 927
    u" ",  // 928
    u" ",  // 929
    u" ",  // 930
    u" ",  // 931
    u" ",  // 932
    u" ",  // 933
    u" ",  // 934
    u" ",  // 935
    u" ",  // 936
    u" ",  // 937
    u" ",  // 938
    u" ",  // 939
    u" ",  // 940
    u" ",  // 941
    u" ",  // 942
    u" ",  // 943
    u" ",  // 944
    u" ",  // 945
    u" ",  // 946
    u" ",  // 947
    u" ",  // 948
    u" ",  // 949
    u" ",  // 950
    u" ",  // 951
    u" ",  // 952
    u" ",  // 953
    u" ",  // 954
    u" ",  // 955
    u" ",  // 956
    u" ",  // 957
    u" ",  // 958
    u" ",  // 959
    u" ",  // 960
    u" ",  // 961
    u" ",  // 962
    u" ",  // 963
    u" ",  // 964
    u" ",  // 965
    u" ",  // 966
    u" ",  // 967
    u" ",  // 968
    u" ",  // 969
    u" ",  // 970
    u" ",  // 971
    u" ",  // 972
    u" ",  // 973
    u" ",  // 974
    u" ",  // 975
    u" ",  // 976
    u" ",  // 977
    u" ",  // 978
    u" ",  // 979
    u" ",  // 980
    u" ",  // 981
    u" ",  // 982
    u" ",  // 983
    u" ",  // 984
    u" ",  // 985
    u" ",  // 986
    u" ",  // 987
    u" ",  // 988
    u" ",  // 989
    u" ",  // 990
    u" ",  // 991
    u" ",  // 992
    u" ",  // 993
    u" ",  // 994
    u" ",  // 995
    u" ",  // 996
    u" ",  // 997
    u" ",  // 998
    u" ",  // 999
    u"Update Device by Serial",  // 1000
    u"Update Device Using the Serial Port",  // 1001
    u"Update Device by Ethernet (UDP)",  // 1002
    u"Update Device Using the Ethernet Port",  // 1003
    u"Update Device by USB",  // 1004
    u"Update Device Using the USB Port",  // 1005
    u"Insert the IP Address of Device",  // 1006
    u"Select the COM Port for the Update",  // 1007
    u"Select the COM Port (USB) for the Update",  // 1008
    u"List of Devices Find in Network",  // 1009
    u"Search",  // 1010
    u"IP Address",  // 1011
    u"MAC Address",  // 1012
    u"Find all QuordaGate Devices",  // 1013
    u"Select Update Options",  // 1014
    u"Firmware + Configuration",  // 1015
    u"Firmware",  // 1016
    u"Configuration",  // 1017
    u"Read Back",  // 1018
    u"Cancel",  // 1019
    u"Execute Update Firmware",  // 1020
    u"Insert first byte of IP Address",  // 1021
    u"Insert second byte of IP Address",  // 1022
    u"Insert third byte of IP Address",  // 1023
    u"Insert fourth byte of IP Address",  // 1024
    u"Select the COM Port to use for the Update",  // 1025
    u"Select the COM Port (USB) to use for the Update",  // 1026
    u"Update COM Ports List",  // 1027
    u"Update COM Ports (USB) List",  // 1028
    u"Serch QRD Device in Network",  // 1029
    u"Select a device in the list",  // 1030
    u"Enable or disable the option to find all QuordaGate Devices",  // 1031
    u"Select the operation to do in update",  // 1032
    u"Enable or disable the possibility to read back the Firmware/Configuration",  // 1033
    u"Exit without to do the Update",  // 1034
    u"Start the update of Device",  // 1035
    u"Device Not Found!",  // 1036
    u"Error!!! Check the Ip Address",  // 1037
    u" ",  // 1038
    u" ",  // 1039
    u" ",  // 1040
    u" ",  // 1041
    u" ",  // 1042
    u" ",  // 1043
    u" ",  // 1044
    u" ",  // 1045
    u" ",  // 1046
    u" ",  // 1047
    u" ",  // 1048
    u" ",  // 1049
    u" ",  // 1050
    u" ",  // 1051
    u" ",  // 1052
    u" ",  // 1053
    u" ",  // 1054
    u" ",  // 1055
    u" ",  // 1056
    u" ",  // 1057
    u" ",  // 1058
    u" ",  // 1059
    u" ",  // 1060
    u" ",  // 1061
    u" ",  // 1062
    u" ",  // 1063
    u" ",  // 1064
    u" ",  // 1065
    u" ",  // 1066
    u" ",  // 1067
    u" ",  // 1068
    u" ",  // 1069
    u" ",  // 1070
    u" ",  // 1071
    u" ",  // 1072
    u" ",  // 1073
    u" ",  // 1074
    u" ",  // 1075
    u" ",  // 1076
    u" ",  // 1077
    u" ",  // 1078
    u" ",  // 1079
    u" ",  // 1080
    u" ",  // 1081
    u" ",  // 1082
    u" ",  // 1083
    u" ",  // 1084
    u" ",  // 1085
    u" ",  // 1086
    u" ",  // 1087
    u" ",  // 1088
    u" ",  // 1089
    u" ",  // 1090
    u" ",  // 1091
    u" ",  // 1092
    u" ",  // 1093
    u" ",  // 1094
    u" ",  // 1095
    u" ",  // 1096
    u" ",  // 1097
    u" ",  // 1098
    u" ",  // 1099
    u"Row Already used. Do you want to overwrite the values?",  // 1100
    u"Error in the Copy values!!! Copy a valid row before Paste it",  // 1101
    u"Error!!! Copy a valid row before Paste it",  // 1102
    u"File already exists! Do you want to overwrite the file?",  // 1103
    u"Error! Please set the Set Communication Parameter before to create the GSD file",  // 1104
    u" ",  // 1105
    u" ",  // 1106
    u" ",  // 1107
    u" ",  // 1108
    u" ",  // 1109
    u" ",  // 1110
    u" ",  // 1111
    u" ",  // 1112
    u" ",  // 1113
    u" ",  // 1114
    u" ",  // 1115
    u" ",  // 1116
    u" ",  // 1117
    u" ",  // 1118
    u" ",  // 1119
    u" ",  // 1120
    u" ",  // 1121
    u" ",  // 1122
    u" ",  // 1123
    u" ",  // 1124
    u" ",  // 1125
    u" ",  // 1126
    u" ",  // 1127
    u" ",  // 1128
    u" ",  // 1129
    u" ",  // 1130
    u" ",  // 1131
    u" ",  // 1132
    u" ",  // 1133
    u" ",  // 1134
    u" ",  // 1135
    u" ",  // 1136
    u" ",  // 1137
    u" ",  // 1138
    u" ",  // 1139
    u" ",  // 1140
    u" ",  // 1141
    u" ",  // 1142
    u" ",  // 1143
    u" ",  // 1144
    u" ",  // 1145
    u" ",  // 1146
    u" ",  // 1147
    u" ",  // 1148
    u" ",  // 1149
    u" ",  // 1150
    u" ",  // 1151
    u" ",  // 1152
    u" ",  // 1153
    u" ",  // 1154
    u" ",  // 1155
    u" ",  // 1156
    u" ",  // 1157
    u" ",  // 1158
    u" ",  // 1159
    u" ",  // 1160
    u" ",  // 1161
    u" ",  // 1162
    u" ",  // 1163
    u" ",  // 1164
    u" ",  // 1165
    u" ",  // 1166
    u" ",  // 1167
    u" ",  // 1168
    u" ",  // 1169
    u" ",  // 1170
    u" ",  // 1171
    u" ",  // 1172
    u" ",  // 1173
    u" ",  // 1174
    u" ",  // 1175
    u" ",  // 1176
    u" ",  // 1177
    u" ",  // 1178
    u" ",  // 1179
    u" ",  // 1180
    u" ",  // 1181
    u" ",  // 1182
    u" ",  // 1183
    u" ",  // 1184
    u" ",  // 1185
    u" ",  // 1186
    u" ",  // 1187
    u" ",  // 1188
    u" ",  // 1189
    u" ",  // 1190
    u" ",  // 1191
    u" ",  // 1192
    u" ",  // 1193
    u" ",  // 1194
    u" ",  // 1195
    u" ",  // 1196
    u" ",  // 1197
    u" ",  // 1198
    u" ",  // 1199
    u"Set SNMP Trap Access",  // 1200
    u"Set SNMP Trap Access",  // 1201
    u"OK",  // 1202
    u"Cancel",  // 1203
    u"Delete Row",  // 1204
    u"Insert Row",  // 1205
    u"Copy Row",  // 1206
    u"Paste Row",  // 1207
    u"SNMP Read",  // 1208
    u"SNMP Write",  // 1209
    u"Confirm and save the SNMP Trap List",  // 1210
    u"Exit without save the SNMP Trap List",  // 1211
    u"Delete the selected Row in the table",  // 1212
    u"Insert a Row in the Table",  // 1213
    u"Copy all Fields of the Selected Row",  // 1214
    u"Paste the Copied Fields in the Selected Row",  // 1215
    u"N",  // 1216
    u"Enable",  // 1217
    u"Community Name",  // 1218
    u"Type",  // 1219
    u"On Change",  // 1220
    u"On CMD",  // 1221
    u"On Timer",  // 1222
    u"Time (ms)",  // 1223
    u"Position",  // 1224
    u"Start Bit",  // 1225
    u"Num Bits/Bytes",  // 1226
    u"Description",  // 1227
    u"IP Address",  // 1228
    u"Mnemonic",  // 1229
    u"N",  // 1230
    u"Enable",  // 1231
    u"Community Name",  // 1232
    u"Type",  // 1233
    u"Position",  // 1234
    u"Start Bit",  // 1235
    u"Num Bits/Bytes",  // 1236
    u"Description",  // 1237
    u"Mnemonic",  // 1238
    u"Enable/Disable the Row with the SNMP Trap Request",  // 1239
    u"Insert the Community Name for the SNMP Trap (Max 15 characters)",  // 1240
    u"Insert the Type of SNMP Trap (Int or String)",  // 1241
    u"Enable/Disable the possibility to Send the SNMP Trap when a Data Change Value",  // 1242
    u"Enable/Disable the possibility to Send the SNMP Trap when a Command Arrive",  // 1243
    u"Enable/Disable the possibility to Send the SNMP Trap cyclically on Timer",  // 1244
    u"Insert the Time in Milliseconds between two SNMP Trap",  // 1245
    u"Insert the Index of Internal Data Array",  // 1246
    u"Insert the Start Bit of Array where to Read the data",  // 1247
    u"Insert the Number of Bits of SNMP Trap",  // 1248
    u"Insert the Description for the SNMP Trap (Max 15 characters)",  // 1249
    u"Insert the IP Address destination of SNMP Trap",  // 1250
    u"Insert a Description of SNMP Trap",  // 1251
    u"Enable/Disable the Row with the SNMP Trap Request",  // 1252
    u"Insert the Community Name for the SNMP Trap (Max 15 characters)",  // 1253
    u"Insert the Type of SNMP Trap (Int or String)",  // 1254
    u"Insert the Index of Internal Data Array",  // 1255
    u"Insert the Start Bit of Array where to Write the data",  // 1256
    u"Insert the Number of Bits of SNMP Trap",  // 1257
    u"Insert the Description for the SNMP Trap (Max 15 characters)",  // 1258
    u"Insert a Description of SNMP Trap",  // 1259
    u"Error row ",  // 1260
    u"!! [SNMP Read] Type must be selected",  // 1261
    u"!! [SNMP Read] Time must be between 1 and 1000000000 ms",  // 1262
    u"!! [SNMP Read] Position must be selected",  // 1263
    u"!! [SNMP Read] Start Bit must be selected",  // 1264
    u"!! [SNMP Read] Start Bit must be 0 if Type is String",  // 1265
    u"!! [SNMP Read] Num Bits/Bytes must be between 1 and 64 bits",  // 1266
    u"!! [SNMP Read] Num Bits/Bytes must be between 1 and 16 bytes",  // 1267
    u"!! [SNMP Read] IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)",  // 1268
    u"!! [SNMP Write] Type must be selected",  // 1269
    u"!! [SNMP Write] Position must be selected",  // 1270
    u"!! [SNMP Write] Start Bit must be selected",  // 1271
    u"!! [SNMP Write] Start Bit must be 0 if Type is String",  // 1272
    u"!! [SNMP Write] Num Bits/Bytes must be between 1 and 64 bits",  // 1273
    u"!! [SNMP Write] Num Bits/Bytes must be between 1 and 16 bytes",  // 1274
    u"Are you sure to delete the Row number ",  // 1275
    u"!! [SNMP Read] Community Name is not correct (allowed characters are \"a\"..\"z\", \"A\"..\"Z\" and "
    u"\"0\"..\"9\")",  // 1276
    u"!! [SNMP Read] Description is not correct (allowed characters are \"a\"..\"z\", \"A\"..\"Z\" and \"0\"..\"9\"). "
    u"First character must be a letter and must be lowercase",  // 1277
    u"!! [SNMP Write] Community Name is not correct (allowed characters are \"a\"..\"z\", \"A\"..\"Z\" and "
    u"\"0\"..\"9\")",  // 1278
    u"!! [SNMP Write] Descrtiption is not correct (allowed characters are \"a\"..\"z\", \"A\"..\"Z\" and "
    u"\"0\"..\"9\"). First character must be a letter and must be lowercase",  // 1279
    u"Error!! The Descriptions must be all differents",  // 1280
    u"Conversion",  // 1281
    u"Conversion",  // 1282
    u"Select the Data Conversion from Float to Int",  // 1283
    u"Select the Data Conversion from Int to Float",  // 1284
    u"!! [SNMP Read] Conversion must be selected",  // 1285
    u"!! [SNMP Write] Conversion must be selected",  // 1286
    u" ",  // 1287
    u" ",  // 1288
    u" ",  // 1289
    u" ",  // 1290
    u" ",  // 1291
    u" ",  // 1292
    u" ",  // 1293
    u" ",  // 1294
    u" ",  // 1295
    u" ",  // 1296
    u" ",  // 1297
    u" ",  // 1298
    u" ",  // 1299
    u"Transmit CAN Frames Set Access",  // 1300
    u"Transmit CAN Frames Set Access",  // 1301
    u"OK",  // 1302
    u"Cancel",  // 1303
    u"Delete Row",  // 1304
    u"Insert Row",  // 1305
    u"Copy Row",  // 1306
    u"Paste Row",  // 1307
    u"N",  // 1308
    u"Enable",  // 1309
    u"CobID",  // 1310
    u"Type",  // 1311
    u"Dimension",  // 1312
    u"OnChange",  // 1313
    u"OnTimer",  // 1314
    u"Time",  // 1315
    u"Byte1",  // 1316
    u"Byte2",  // 1317
    u"Byte3",  // 1318
    u"Byte4",  // 1319
    u"Byte5",  // 1320
    u"Byte6",  // 1321
    u"Byte7",  // 1322
    u"Byte8",  // 1323
    u"Mnemonic",  // 1324
    u"Confirm and save the Transmit CAN Frames List",  // 1325
    u"Exit without save the Transmit CAN Frames List",  // 1326
    u"Delete the selected Row in the table",  // 1327
    u"Insert a Row in the Table",  // 1328
    u"Copy all Fields of the Selected Row",  // 1329
    u"Paste the Copied Fields in the Selected Row",  // 1330
    u"Enable or Disable the Rule for CAN Transmit",  // 1331
    u"Insert the CobID of the CAN Frame in Transmit",  // 1332
    u"Select the Type of CAN for each CAN Frame (2.0A 11 bits of CobID or 2.0B 29 bits of CobID",  // 1333
    u"Insert the Dimension in Byte of CAN Frame (from 1 to 8)",  // 1334
    u"Enable or Disable the possibility to send the CAN Frame if a Data Byte changes",  // 1335
    u"Enable or Disable the possibility to send the CAN Frame on Timer",  // 1336
    u"Insert the Time in milliseconds between the sending of CAN frames, only if checked the OnTimer Option",  // 1337
    u"Insert the position of array to place in byte 1 of CAN frame",  // 1338
    u"Insert the position of array to place in byte 2 of CAN frame",  // 1339
    u"Insert the position of array to place in byte 3 of CAN frame",  // 1340
    u"Insert the position of array to place in byte 4 of CAN frame",  // 1341
    u"Insert the position of array to place in byte 5 of CAN frame",  // 1342
    u"Insert the position of array to place in byte 6 of CAN frame",  // 1343
    u"Insert the position of array to place in byte 7 of CAN frame",  // 1344
    u"Insert the position of array to place in byte 8 of CAN frame",  // 1345
    u"Insert a description of the CAN Frame",  // 1346
    u"Error row ",  // 1347
    u"!! CobID must be between 0 and 2047",  // 1348
    u"!! CobID must be between 0x00000000 and 0x1FFFFFFF",  // 1349
    u"!! Dimension must be between 1 and 8",  // 1350
    u"!! Time must be between 0 and 100000000 milliseconds",  // 1351
    u"!! Byte1 must be between 0 and ",  // 1352
    u" or None",  // 1353
    u"!! Byte2 must be between 0 and ",  // 1354
    u"!! Byte3 must be between 0 and ",  // 1355
    u"!! Byte4 must be between 0 and ",  // 1356
    u"!! Byte5 must be between 0 and ",  // 1357
    u"!! Byte6 must be between 0 and ",  // 1358
    u"!! Byte7 must be between 0 and ",  // 1359
    u"!! Byte8 must be between 0 and ",  // 1360
    u"Are you sure to delete the Row number ",  // 1361
    u"OnCMD",  // 1362
    u"Enable or Disable the possibility to send the CAN Frame by Command",  // 1363
    u" ",  // 1364
    u" ",  // 1365
    u" ",  // 1366
    u" ",  // 1367
    u" ",  // 1368
    u" ",  // 1369
    u" ",  // 1370
    u" ",  // 1371
    u" ",  // 1372
    u" ",  // 1373
    u" ",  // 1374
    u" ",  // 1375
    u" ",  // 1376
    u" ",  // 1377
    u" ",  // 1378
    u" ",  // 1379
    u" ",  // 1380
    u" ",  // 1381
    u" ",  // 1382
    u" ",  // 1383
    u" ",  // 1384
    u" ",  // 1385
    u" ",  // 1386
    u" ",  // 1387
    u" ",  // 1388
    u" ",  // 1389
    u" ",  // 1390
    u" ",  // 1391
    u" ",  // 1392
    u" ",  // 1393
    u" ",  // 1394
    u" ",  // 1395
    u" ",  // 1396
    u" ",  // 1397
    u" ",  // 1398
    u" ",  // 1399
    u"Receive CAN Frames Set Access",  // 1400
    u"Receive CAN Frames Set Access",  // 1401
    u"OK",  // 1402
    u"Cancel",  // 1403
    u"Delete Row",  // 1404
    u"Insert Row",  // 1405
    u"Copy Row",  // 1406
    u"Paste Row",  // 1407
    u"N",  // 1408
    u"Enable",  // 1409
    u"CobID",  // 1410
    u"Type",  // 1411
    u"Dimension",  // 1412
    u"TimeOut",  // 1413
    u"Byte1",  // 1414
    u"Byte2",  // 1415
    u"Byte3",  // 1416
    u"Byte4",  // 1417
    u"Byte5",  // 1418
    u"Byte6",  // 1419
    u"Byte7",  // 1420
    u"Byte8",  // 1421
    u"Mnemonic",  // 1422
    u"Confirm and save the Receive CAN Frames List",  // 1423
    u"Exit without save the Receive CAN Frames List",  // 1424
    u"Delete the selected Row in the table",  // 1425
    u"Insert a Row in the Table",  // 1426
    u"Copy all Fields of the Selected Row",  // 1427
    u"Paste the Copied Fields in the Selected Row",  // 1428
    u"Enable or Disable the Rule for CAN Receive",  // 1429
    u"Insert the CobID of the CAN Frame in receive",  // 1430
    u"Select the Type of CAN for each CAN Frame (2.0A 11 bits of CobID or 2.0B 29 bits of CobID",  // 1431
    u"Insert the Dimension in Byte of CAN Frame (from 1 to 8)",  // 1432
    u"Enable or Disable the possibility to cancel che byte after the Timeout",  // 1433
    u"Insert the TimeOut in milliseconds of data for each CAN frames, insert 0 do disable the function",  // 1434
    u"Insert the position of array where put the byte 1 of CAN frame",  // 1435
    u"Insert the position of array where put the byte 2 of CAN frame",  // 1436
    u"Insert the position of array where put the byte 3 of CAN frame",  // 1437
    u"Insert the position of array where put the byte 4 of CAN frame",  // 1438
    u"Insert the position of array where put the byte 5 of CAN frame",  // 1439
    u"Insert the position of array where put the byte 6 of CAN frame",  // 1440
    u"Insert the position of array where put the byte 7 of CAN frame",  // 1441
    u"Insert the position of array where put the byte 8 of CAN frame",  // 1442
    u"Insert a description of the CAN Frame",  // 1443
    u"Error row ",  // 1444
    u"!! CobID must be between 0 and 2047",  // 1445
    u"!! CobID must be between 0x00000000 and 0x1FFFFFFF",  // 1446
    u"!! Dimension must be between 1 and 8",  // 1447
    u"!! TimeOut must be between 0 and 100000000 milliseconds",  // 1448
    u"!! Byte1 must be between 0 and ",  // 1449
    u" or None",  // 1450
    u"!! Byte2 must be between 0 and ",  // 1451
    u"!! Byte3 must be between 0 and ",  // 1452
    u"!! Byte4 must be between 0 and ",  // 1453
    u"!! Byte5 must be between 0 and ",  // 1454
    u"!! Byte6 must be between 0 and ",  // 1455
    u"!! Byte7 must be between 0 and ",  // 1456
    u"!! Byte8 must be between 0 and ",  // 1457
    u"Are you sure to delete the Row number ",  // 1458
    u" ",  // 1459
    u" ",  // 1460
    u" ",  // 1461
    u" ",  // 1462
    u" ",  // 1463
    u" ",  // 1464
    u" ",  // 1465
    u" ",  // 1466
    u" ",  // 1467
    u" ",  // 1468
    u" ",  // 1469
    u" ",  // 1470
    u" ",  // 1471
    u" ",  // 1472
    u" ",  // 1473
    u" ",  // 1474
    u" ",  // 1475
    u" ",  // 1476
    u" ",  // 1477
    u" ",  // 1478
    u" ",  // 1479
    u" ",  // 1480
    u" ",  // 1481
    u" ",  // 1482
    u" ",  // 1483
    u" ",  // 1484
    u" ",  // 1485
    u" ",  // 1486
    u" ",  // 1487
    u" ",  // 1488
    u" ",  // 1489
    u" ",  // 1490
    u" ",  // 1491
    u" ",  // 1492
    u" ",  // 1493
    u" ",  // 1494
    u" ",  // 1495
    u" ",  // 1496
    u" ",  // 1497
    u" ",  // 1498
    u" ",  // 1499
    u"BACnet Set Access",  // 1500
    u"BACnet Set Access",  // 1501
    u"OK",  // 1502
    u"Cancel",  // 1503
    u"Delete Row",  // 1504
    u"Insert Row",  // 1505
    u"Copy Row",  // 1506
    u"Paste Row",  // 1507
    u"BACnet in Read",  // 1508
    u"BACnet in Write",  // 1509
    u"Confirm and save the SNMP Trap List",  // 1510
    u"Exit without save the SNMP Trap List",  // 1511
    u"Delete the selected Row in the table",  // 1512
    u"Insert a Row in the Table",  // 1513
    u"Copy all Fields of the Selected Row",  // 1514
    u"Paste the Copied Fields in the Selected Row",  // 1515
    u"N",  // 1516
    u"Data Type",  // 1517
    u"Eng. Unit",  // 1518
    u"Position",  // 1519
    u"Start Bit",  // 1520
    u"Length",  // 1521
    u"Swap",  // 1522
    u"Mnemonic",  // 1523
    u"N",  // 1524
    u"Data Type",  // 1525
    u"Eng. Unit",  // 1526
    u"Position",  // 1527
    u"Start Bit",  // 1528
    u"Length",  // 1529
    u"Swap",  // 1530
    u"Mnemonic",  // 1531
    u"Error row ",  // 1532
    u"!! [BACnet in Read] Eng. Unit must be between 0 and 65535",  // 1533
    u"!! [BACnet in Read] Position must be between 0 and ",  // 1534
    u"!! [BACnet in Read] Length with variable \"Analog Input\" must be between 1 and 4",  // 1535
    u"!! [BACnet in Read] Length with variable \"Positive Integer Value\" must be between 1 and 4",  // 1536
    u"!! [BACnet in Read] Length with variable \"Large Analog Value\" must be between 1 and 8",  // 1537
    u"!! [BACnet in Read] Length with variable \"Analog Value\" must be between 1 and 4",  // 1538
    u"!! [BACnet in Read] Length with variable \"Multi State Input\" must be between 1 and 4",  // 1539
    u"!! [BACnet in Read] Length with variable \"Multi State Value\" must be between 1 and 4",  // 1540
    u"!! [BACnet in Read] Length with variable \"Life Safety Point\" must be 1 or 2",  // 1541
    u"!! [BACnet in Read] Length with variable \"Life Safety Zone\" must be 1 or 2",  // 1542
    u"!! [BACnet in Read] Length with variable \"Access Door\" must be equal to 1",  // 1543
    u"!! [BACnet in Read] Length with variable \"Accumulator\" must be between 1 and 4",  // 1544
    u"!! [BACnet in Read] Bit must be between 0 and 7",  // 1545
    u"!! [BACnet in Read] Too many bytes to save starting from the Position indicate",  // 1546
    u"!! [BACnet in Write] Eng. Unit must be between 0 and 65535",  // 1547
    u"!! [BACnet in Write] Position must be between 0 and ",  // 1548
    u"!! [BACnet in Write] Length with variable \"Analog Out\" must be between 1 and 4",  // 1549
    u"!! [BACnet in Write] Length with variable \"Analog Value\" must be between 1 and 4",  // 1550
    u"!! [BACnet in Write] Length with variable \"Positive Integer Value\" must be between 1 and 4",  // 1551
    u"!! [BACnet in Write] Length with variable \"Large Analog Value\" must be between 1 and 8",  // 1552
    u"!! [BACnet in Write] Length with variable \"Integer Value\" must be between 1 and 4",  // 1553
    u"!! [BACnet in Write] Length with variable \"Multi State Output\" must be between 1 and 4",  // 1554
    u"!! [BACnet in Write] Length with variable \"Multi State Value\" must be between 1 and 4",  // 1555
    u"!! [BACnet in Write] Length with variable \"Access Door\" must be equal to 1",  // 1556
    u"!! [BACnet in Write] Bit must be between 0 and 7",  // 1557
    u"!! [BACnet in Write] Too many bytes to save starting from the Position indicate",  // 1558
    u"Error!! Too many Requests. Max requests ",  // 1559
    u"Are you sure to delete the Row number ",  // 1560
    u" ",  // 1561
    u" ",  // 1562
    u" ",  // 1563
    u" ",  // 1564
    u" ",  // 1565
    u" ",  // 1566
    u" ",  // 1567
    u" ",  // 1568
    u" ",  // 1569
    u" ",  // 1570
    u" ",  // 1571
    u" ",  // 1572
    u" ",  // 1573
    u" ",  // 1574
    u" ",  // 1575
    u" ",  // 1576
    u" ",  // 1577
    u" ",  // 1578
    u" ",  // 1579
    u" ",  // 1580
    u" ",  // 1581
    u" ",  // 1582
    u" ",  // 1583
    u" ",  // 1584
    u" ",  // 1585
    u" ",  // 1586
    u" ",  // 1587
    u" ",  // 1588
    u" ",  // 1589
    u" ",  // 1590
    u" ",  // 1591
    u" ",  // 1592
    u" ",  // 1593
    u" ",  // 1594
    u" ",  // 1595
    u" ",  // 1596
    u" ",  // 1597
    u" ",  // 1598
    u" ",  // 1599
    u"Select the BACnet Engineering Unit",  // 1600
    u"Select the BACnet Engineering Unit",  // 1601
    u"OK",  // 1602
    u"Cancel",  // 1603
    u"Selected BACnet Engineering Unit",  // 1604
    u"Select a New BACnet Engineering Unit",  // 1605
    u"Select the Type",  // 1606
    u"Select Unit",  // 1607
    u"Select Engineering Unit",  // 1608
    u" ",  // 1609
    u" ",  // 1610
    u" ",  // 1611
    u" ",  // 1612
    u" ",  // 1613
    u" ",  // 1614
    u" ",  // 1615
    u" ",  // 1616
    u" ",  // 1617
    u" ",  // 1618
    u" ",  // 1619
    u" ",  // 1620
    u" ",  // 1621
    u" ",  // 1622
    u" ",  // 1623
    u" ",  // 1624
    u" ",  // 1625
    u" ",  // 1626
    u" ",  // 1627
    u" ",  // 1628
    u" ",  // 1629
    u" ",  // 1630
    u" ",  // 1631
    u" ",  // 1632
    u" ",  // 1633
    u" ",  // 1634
    u" ",  // 1635
    u" ",  // 1636
    u" ",  // 1637
    u" ",  // 1638
    u" ",  // 1639
    u" ",  // 1640
    u" ",  // 1641
    u" ",  // 1642
    u" ",  // 1643
    u" ",  // 1644
    u" ",  // 1645
    u" ",  // 1646
    u" ",  // 1647
    u" ",  // 1648
    u" ",  // 1649
    u" ",  // 1650
    u" ",  // 1651
    u" ",  // 1652
    u" ",  // 1653
    u" ",  // 1654
    u" ",  // 1655
    u" ",  // 1656
    u" ",  // 1657
    u" ",  // 1658
    u" ",  // 1659
    u" ",  // 1660
    u" ",  // 1661
    u" ",  // 1662
    u" ",  // 1663
    u" ",  // 1664
    u" ",  // 1665
    u" ",  // 1666
    u" ",  // 1667
    u" ",  // 1668
    u" ",  // 1669
    u" ",  // 1670
    u" ",  // 1671
    u" ",  // 1672
    u" ",  // 1673
    u" ",  // 1674
    u" ",  // 1675
    u" ",  // 1676
    u" ",  // 1677
    u" ",  // 1678
    u" ",  // 1679
    u" ",  // 1680
    u" ",  // 1681
    u" ",  // 1682
    u" ",  // 1683
    u" ",  // 1684
    u" ",  // 1685
    u" ",  // 1686
    u" ",  // 1687
    u" ",  // 1688
    u" ",  // 1689
    u" ",  // 1690
    u" ",  // 1691
    u" ",  // 1692
    u" ",  // 1693
    u" ",  // 1694
    u" ",  // 1695
    u" ",  // 1696
    u" ",  // 1697
    u" ",  // 1698
    u" ",  // 1699
    u"KNX Set Access",  // 1700
    u"KNX Set Access",  // 1701
    u"OK",  // 1702
    u"Cancel",  // 1703
    u"Delete Row",  // 1704
    u"Insert Row",  // 1705
    u"Copy Row",  // 1706
    u"Paste Row",  // 1707
    u"Confirm and save the KNX Set Access List",  // 1708
    u"Exit without save the KNX Set Access List",  // 1709
    u"Delete the Selected Row in the table",  // 1710
    u"Insert a Row in the Table",  // 1711
    u"Copy all Fields of the Selected Row",  // 1712
    u"Paste the Copied Fields in the Selected Row",  // 1713
    u"N",  // 1714
    u"Enable",  // 1715
    u"Source Add",  // 1716
    u"Dest/Group",  // 1717
    u"APCI",  // 1718
    u"Priority",  // 1719
    u"Format",  // 1720
    u"Extended",  // 1721
    u"ReTest",  // 1722
    u"OnCMD",  // 1723
    u"OnChange",  // 1724
    u"OnTimer",  // 1725
    u"Poll Time",  // 1726
    u"Position",  // 1727
    u"Bit Mode",  // 1728
    u"Length",  // 1729
    u"Mnemonic",  // 1730
    u"Enable/Disabel the KNX Rule",  // 1731
    u"Insert the Phisical Address of KNX Device",  // 1732
    u"Insert the Address of Variable",  // 1733
    u"Select the Type of KNX Variable",  // 1734
    u"Select the Priority of KNX Message",  // 1735
    u"Select the Format of KNX Variable",  // 1736
    u"Enable/Disable the Extended of KNX Variable",  // 1737
    u"Enable/Disable the ReTest of KNX Variable",  // 1738
    u"Enable/Disable the Format of KNX Variable",  // 1739
    u"Enable/Disable the Possibility to Send the KNX Message on Command",  // 1740
    u"Enable/Disable the Possibility to Send the KNX Message on Data Change",  // 1741
    u"Enable/Disable the Possibility to Send the KNX Message on Timer",  // 1742
    u"Insert the Time Expressed in Milliseconds Between Two KNX Messages",  // 1743
    u"Insert the Index of Internal Data Array",  // 1744
    u"Insert the Start Bit of Data of KNX Message",  // 1745
    u"Insert the Length in Bytes of Data of KNX Message",  // 1746
    u"Insert a description of the KNX Message",  // 1747
    u"Error row ",  // 1748
    u"!! [KNX in Write] Source Address must be a valid KNX Address (Ex. 1.1.20)",  // 1749
    u"!! [KNX in Write] Destination Address must be a valid KNX Address (Ex. 1.1.20)",  // 1750
    u"!! [KNX in Write] Destination Address must be a valid KNX Address (Ex. 230.240)",  // 1751
    u"!! [KNX in Write] APCI must be between 0 and 1023 or use the value Read or Write",  // 1752
    u"!! [KNX in Write] Priority must be System or Urgent or Normal or Low",  // 1753
    u"!! [KNX in Write] Format is not correct",  // 1754
    u"!! [KNX in Write] Poll Time must be between 1 and 100000000",  // 1755
    u"!! [KNX in Write] Position must be between 0 and ",  // 1756
    u"!! [KNX in Write] Bit Mode must be \"No\" or between 0 and 7",  // 1757
    u"!! [KNX in Write] Length must be between 1 and ",  // 1758
    u"!! [KNX in Write] Position plus Length must be minor or equal to ",  // 1759
    u"Are you sure to delete the Row number ",  // 1760
    u" ",  // 1761
    u" ",  // 1762
    u" ",  // 1763
    u" ",  // 1764
    u" ",  // 1765
    u" ",  // 1766
    u" ",  // 1767
    u" ",  // 1768
    u" ",  // 1769
    u" ",  // 1770
    u" ",  // 1771
    u" ",  // 1772
    u" ",  // 1773
    u" ",  // 1774
    u" ",  // 1775
    u" ",  // 1776
    u" ",  // 1777
    u" ",  // 1778
    u" ",  // 1779
    u" ",  // 1780
    u" ",  // 1781
    u" ",  // 1782
    u" ",  // 1783
    u" ",  // 1784
    u" ",  // 1785
    u" ",  // 1786
    u" ",  // 1787
    u" ",  // 1788
    u" ",  // 1789
    u" ",  // 1790
    u" ",  // 1791
    u" ",  // 1792
    u" ",  // 1793
    u" ",  // 1794
    u" ",  // 1795
    u" ",  // 1796
    u" ",  // 1797
    u" ",  // 1798
    u" ",  // 1799
    u"Set MQTT Topics",  // 1800
    u"Set MQTT Topics",  // 1801
    u"OK",  // 1802
    u"Cancel",  // 1803
    u"Delete Row",  // 1804
    u"Insert Row",  // 1805
    u"Copy Row",  // 1806
    u"Paste Row",  // 1807
    u"Confirm and save the MQTT Set Topics List",  // 1808
    u"Exit without save the MQTT Set Topics List",  // 1809
    u"Delete the Selected Row in the table",  // 1810
    u"Insert a Row in the Table",  // 1811
    u"Copy all Fields of the Selected Row",  // 1812
    u"Paste the Copied Fields in the Selected Row",  // 1813
    u"N",  // 1814
    u"Topic",  // 1815
    u"Retained",  // 1816
    u"QoS",  // 1817
    u"Mnemonic",  // 1818
    u"Insert the MQTT Topic",  // 1819
    u"Enable/Disabel the Retained value",  // 1820
    u"Select the QoS value",  // 1821
    u"Description of MQTT Topic",  // 1822
    u"Are you sure to delete the Row number ",  // 1823
    u"N",  // 1824
    u"Topic",  // 1825
    u"Retained",  // 1826
    u"QoS",  // 1827
    u"Mnemonic",  // 1828
    u"Insert the MQTT Topic",  // 1829
    u"Enable/Disabel the Retained value",  // 1830
    u"Select the QoS value",  // 1831
    u"Description of MQTT Topic",  // 1832
    u"MQTT Publish",  // 1833
    u"MQTT Subscribe",  // 1834
    u"Template",  // 1835
    u"Insert the Template",  // 1836
    u"Data Type",  // 1837
    u"Dimension",  // 1838
    u"Position",  // 1839
    u"Select the Type Data of Value (Int or Float or String)",  // 1840
    u"Insert the Dimension of Value",  // 1841
    u"Insert the Index of Internal Data Array",  // 1842
    u"Data Type",  // 1843
    u"Dimension",  // 1844
    u"Position",  // 1845
    u"Template",  // 1846
    u"Select the Type Data of Value (Int or Float or String)",  // 1847
    u"Insert the Dimension of Value",  // 1848
    u"Insert the Index of Internal Data Array",  // 1849
    u"Insert the Template",  // 1850
    u"Error row ",  // 1851
    u"!! [MQTT Publish] Data Type must be selected",  // 1852
    u"!! [MQTT Publish] Dimension must be equal to 1 or 2 or 4 or 8",  // 1853
    u"!! [MQTT Publish] Dimension must be equal to 4 or 8",  // 1854
    u"!! [MQTT Publish] Dimension must be major of 0",  // 1855
    u"!! [MQTT Publish] Position must be beetween 0 and 1439",  // 1856
    u"!! [MQTT Subscribe] Data Type must be selected",  // 1857
    u"!! [MQTT Subscribe] Dimension must be equal to 1 or 2 or 4 or 8",  // 1858
    u"!! [MQTT Subscribe] Dimension must be equal to 4 or 8",  // 1859
    u"!! [MQTT Subscribe] Dimension must be major of 0",  // 1860
    u"!! [MQTT Subscribe] Position must be beetween 0 and 1439",  // 1861
    u"IP Address",  // 1862
    u"Input Template",  // 1863
    u"Insert the IP Address of Device that Send the Message",  // 1864
    u"Insert the Input Template of Ethernet Message",  // 1865
    u"IP Address",  // 1866
    u"Port",  // 1867
    u"Type",  // 1868
    u"Input Template",  // 1869
    u"Insert the IP Address of Device Where to Send the Ethernet Message",  // 1870
    u"Insert the Port of Device Where to Send the Ethernet Message",  // 1871
    u"Select the Type of Ethernet Message (TCP or UDP)",  // 1872
    u"Insert the Input Template of MQTT Message",  // 1873
    u"!! [MQTT Publish] IP Address must be a Valid IP Address (Ex. 192.168.2.167)",  // 1874
    u"!! [MQTT Subscribe] IP Address must be a Valid IP Address (Ex. 192.168.2.167)",  // 1875
    u"!! [MQTT Subscribe] Port must be between 0 and 65535",  // 1876
    u"!! [MQTT Publish] Input Template not Correct, Check the Keywords",  // 1877
    u"!! [MQTT Publish] Template not Correct, Check the Keywords",  // 1878
    u"!! [MQTT Subscribe] Input Template not Correct, Check the Keywords",  // 1879
    u"!! [MQTT Subscribe] Template not Correct, Check the Keywords",  // 1880
    u"OnChange",  // 1881
    u"Enable/Disabel the Possibility to Publish the Data at the Exchange of Value",  // 1882
    u" ",  // 1883
    u" ",  // 1884
    u" ",  // 1885
    u" ",  // 1886
    u" ",  // 1887
    u" ",  // 1888
    u" ",  // 1889
    u" ",  // 1890
    u" ",  // 1891
    u" ",  // 1892
    u" ",  // 1893
    u" ",  // 1894
    u" ",  // 1895
    u" ",  // 1896
    u" ",  // 1897
    u" ",  // 1898
    u" ",  // 1899
    u"Set Topic",  // 1900
    u"Set Template",  // 1901
    u"Set Topic",  // 1902
    u"Set Template",  // 1903
    u"List of keywords",  // 1904
    u"Keyword",  // 1905
    u"Description of Keyword",  // 1906
    u"OK",  // 1907
    u"Cancel",  // 1908
    u"Modbus Slave Address",  // 1909
    u"Modbus Function Code",  // 1910
    u"Modbus Cyclical Redundancy Checking (CRC)",  // 1911
    u"Modbus Values of Registers/Status",  // 1912
    u"Modbus Entire Frame",  // 1913
    u"Modbus Description",  // 1914
    u"Modbus Timestamp of Frame",  // 1915
    u"Modbus TCP Slave Address",  // 1916
    u"Modbus TCP Transaction ID",  // 1917
    u"Modbus TCP Function Code",  // 1918
    u"Modbus TCP Values of Registers/Status",  // 1919
    u"Modbus TCP Entire Frame",  // 1920
    u"Modbus TCP Description",  // 1921
    u"Modbus TCP Timestamp of Frame",  // 1922
    u"M-Bus Values of Variable",  // 1923
    u"Primary Address of the M-Bus of the meter",  // 1924
    u"Secondary Address of the M-Bus meter",  // 1925
    u"Description for the M-Bus meter (defined in the section “M-Bus”)",  // 1926
    u"Node State of the M-Bus meter",  // 1927
    u"Access number of the M-Bus meter (number of polling received)",  // 1928
    u"power of M-Bus Wireless signal (only for M-Bus Wireless meters)",  // 1929
    u"value of the M-Bus variable",  // 1930
    u" ",  // 1931
    u"type of M-Bus variable",  // 1932
    u" ",  // 1933
    u"type of M-Bus variable, if VIFE code is present",  // 1934
    u"DIF code of the variable (Hex)",  // 1935
    u"DIFE code of the variable (Hex)",  // 1936
    u"VIF code of the variable (Hex)",  // 1937
    u"VIFE code of the variable (Hex)",  // 1938
    u"data of the variable (Hex)",  // 1939
    u"date and time of the M-Bus reading",  // 1940
    u"Modbus Status/Registers Address",  // 1941
    u"Modbus Number of Status/Registers",  // 1942
    u"Modbus Type of Data",  // 1943
    u"Date and Time of the SNMP Request",  // 1944
    u"SNMP Values",  // 1945
    u"Description for the SNMP Agent",  // 1946
    u"Date and Time of the EtherNet/IP Request",  // 1947
    u"EtherNet/IP Values",  // 1948
    u"Description for the EtherNet/IP",  // 1949
    u"Date and Time of the BACnet Request",  // 1950
    u"BACnet Values",  // 1951
    u"Description for the BACnet",  // 1952
    u"DALI Channel",  // 1953
    u"DALI Lamp Status",  // 1954
    u"DALI Lamp Current Lamp",  // 1955
    u"DALI Answer",  // 1956
    u"DALI Lamp Type",  // 1957
    u"DALI Version",  // 1958
    u"DALI Lamp Minimum Value",  // 1959
    u"DALI Lamp Maximum Value",  // 1960
    u"DALI Group 1",  // 1961
    u"DALI Group 2",  // 1962
    u"Description for the DALI",  // 1963
    u"Date and Time of the DALI",  // 1964
    u"Date and Time of the KNX Request",  // 1965
    u"KNX Values",  // 1966
    u"Description for the KNX",  // 1967
    u" ",  // 1968
    u" ",  // 1969
    u" ",  // 1970
    u" ",  // 1971
    u" ",  // 1972
    u" ",  // 1973
    u" ",  // 1974
    u" ",  // 1975
    u" ",  // 1976
    u" ",  // 1977
    u" ",  // 1978
    u" ",  // 1979
    u" ",  // 1980
    u" ",  // 1981
    u" ",  // 1982
    u" ",  // 1983
    u" ",  // 1984
    u" ",  // 1985
    u" ",  // 1986
    u" ",  // 1987
    u" ",  // 1988
    u" ",  // 1989
    u" ",  // 1990
    u" ",  // 1991
    u" ",  // 1992
    u" ",  // 1993
    u" ",  // 1994
    u" ",  // 1995
    u" ",  // 1996
    u" ",  // 1997
    u" ",  // 1998
    u" ",  // 1999
    u"Set PDO Access",  // 2000
    u"Set PDO Access",  // 2001
    u"OK",  // 2002
    u"Cancel",  // 2003
    u"Delete Row",  // 2004
    u"Insert Row",  // 2005
    u"Copy Row",  // 2006
    u"Paste Row",  // 2007
    u"Confirm and save the CANopen PDOs List",  // 2008
    u"Exit without save the CANopen PDOs List",  // 2009
    u"Delete the Selected Row in the table",  // 2010
    u"Insert a Row in the Table",  // 2011
    u"Copy all Fields of the Selected Row",  // 2012
    u"Paste the Copied Fields in the Selected Row",  // 2013
    u"Receive PDO",  // 2014
    u"Transmit PDO",  // 2015
    u"N",  // 2016
    u"COB-ID",  // 2017
    u"Dimension",  // 2018
    u"Add B1",  // 2019
    u"Add B2",  // 2020
    u"Add B3",  // 2021
    u"Add B4",  // 2022
    u"Add B5",  // 2023
    u"Add B6",  // 2024
    u"Add B7",  // 2025
    u"Add B8",  // 2026
    u"TimeOut",  // 2027
    u"Mnemonic",  // 2028
    u"N",  // 2029
    u"COB-ID",  // 2030
    u"Dimension",  // 2031
    u"Add B1",  // 2032
    u"Add B2",  // 2033
    u"Add B3",  // 2034
    u"Add B4",  // 2035
    u"Add B5",  // 2036
    u"Add B6",  // 2037
    u"Add B7",  // 2038
    u"Add B8",  // 2039
    u"Send Time",  // 2040
    u"On Change",  // 2041
    u"Mnemonic",  // 2042
    u"Insert the CobID of the CANopen PDO in Receive",  // 2043
    u"Insert the Dimension in Byte of CANopen PDO Frame (from 1 to 8)",  // 2044
    u"Insert the position of array where put the byte 1 of CANopen PDO frame",  // 2045
    u"Insert the position of array where put the byte 2 of CANopen PDO frame",  // 2046
    u"Insert the position of array where put the byte 3 of CANopen PDO frame",  // 2047
    u"Insert the position of array where put the byte 4 of CANopen PDO frame",  // 2048
    u"Insert the position of array where put the byte 5 of CANopen PDO frame",  // 2049
    u"Insert the position of array where put the byte 6 of CANopen PDO frame",  // 2050
    u"Insert the position of array where put the byte 7 of CANopen PDO frame",  // 2051
    u"Insert the position of array where put the byte 8 of CANopen PDO frame",  // 2052
    u"Insert the TimeOut in milliseconds of data for each CANopen PDO frames, insert 0 do disable the function",  // 2053
    u"Insert a description of the CANopen PDO Frame",  // 2054
    u"Insert the CobID of the CANopen PDO in Transmit",  // 2055
    u"Insert the Dimension in Byte of CANopen PDO Frame (from 1 to 8)",  // 2056
    u"Insert the position of array where place in byte 1 of CANopen PDO frame",  // 2057
    u"Insert the position of array where place in byte 2 of CANopen PDO frame",  // 2058
    u"Insert the position of array where place in byte 3 of CANopen PDO frame",  // 2059
    u"Insert the position of array where place in byte 4 of CANopen PDO frame",  // 2060
    u"Insert the position of array where place in byte 5 of CANopen PDO frame",  // 2061
    u"Insert the position of array where place in byte 6 of CANopen PDO frame",  // 2062
    u"Insert the position of array where place in byte 7 of CANopen PDO frame",  // 2063
    u"Insert the position of array where place in byte 8 of CANopen PDO frame",  // 2064
    u"Insert the Time in milliseconds between the sending of CANopen PDO frames",  // 2065
    u"Enable or Disable the possibility to send the CANopen PDO Frame if a Data Byte changes",  // 2066
    u"Insert a description of the CANopen PDO Frame",  // 2067
    u"Error row ",  // 2068
    u"!! [Receive PDO] COB-ID must be between 0x000 and 0x7FF",  // 2069
    u"!! [Receive PDO] Dimension must be between 1 and 8",  // 2070
    u"!! [Receive PDO] Address Byte1 must be between 0 and ",  // 2071
    u"!! [Receive PDO] Address Byte2 must be between 0 and ",  // 2072
    u"!! [Receive PDO] Address Byte3 must be between 0 and ",  // 2073
    u"!! [Receive PDO] Address Byte4 must be between 0 and ",  // 2074
    u"!! [Receive PDO] Address Byte5 must be between 0 and ",  // 2075
    u"!! [Receive PDO] Address Byte6 must be between 0 and ",  // 2076
    u"!! [Receive PDO] Address Byte7 must be between 0 and ",  // 2077
    u"!! [Receive PDO] Address Byte8 must be between 0 and ",  // 2078
    u"!! [Receive PDO] TimeOut must be between 0 and 65535",  // 2079
    u"!! [Transmit PDO] COB-ID must be between 0x000 and 0x7FF",  // 2080
    u"!! [Transmit PDO] Dimension must be between 1 and 8",  // 2081
    u"!! [Transmit PDO] Address Byte1 must be between 0 and ",  // 2082
    u"!! [Transmit PDO] Address Byte2 must be between 0 and ",  // 2083
    u"!! [Transmit PDO] Address Byte3 must be between 0 and ",  // 2084
    u"!! [Transmit PDO] Address Byte4 must be between 0 and ",  // 2085
    u"!! [Transmit PDO] Address Byte5 must be between 0 and ",  // 2086
    u"!! [Transmit PDO] Address Byte6 must be between 0 and ",  // 2087
    u"!! [Transmit PDO] Address Byte7 must be between 0 and ",  // 2088
    u"!! [Transmit PDO] Address Byte8 must be between 0 and ",  // 2089
    u"!! [Transmit PDO] Send Time must be between 0 and 100000000",  // 2090
    u"Are you sure to delete the Row number ",  // 2091
    u" ",  // 2092
    u" ",  // 2093
    u" ",  // 2094
    u" ",  // 2095
    u" ",  // 2096
    u" ",  // 2097
    u" ",  // 2098
    u" ",  // 2099
    u"Set SDO Client Access",  // 2100
    u"Set SDO Client Access",  // 2101
    u"OK",  // 2102
    u"Cancel",  // 2103
    u"Delete Row",  // 2104
    u"Insert Row",  // 2105
    u"Copy Row",  // 2106
    u"Paste Row",  // 2107
    u"Confirm and save the CANopen SDOs Client List",  // 2108
    u"Exit without save the CANopen SDOs Client List",  // 2109
    u"Delete the Selected Row in the table",  // 2110
    u"Insert a Row in the Table",  // 2111
    u"Copy all Fields of the Selected Row",  // 2112
    u"Paste the Copied Fields in the Selected Row",  // 2113
    u"SDO Read",  // 2114
    u"SDO Write",  // 2115
    u"N",  // 2116
    u"ID Device",  // 2117
    u"Index",  // 2118
    u"SubIndex",  // 2119
    u"N Byte",  // 2120
    u"Poll Time",  // 2121
    u"Add Byte1",  // 2122
    u"Add Byte2",  // 2123
    u"Add Byte3",  // 2124
    u"Add Byte4",  // 2125
    u"Mnemonic",  // 2126
    u"N",  // 2127
    u"ID Device",  // 2128
    u"Index",  // 2129
    u"SubIndex",  // 2130
    u"N Byte",  // 2131
    u"Poll Time",  // 2132
    u"On Change",  // 2133
    u"Add Byte1",  // 2134
    u"Add Byte2",  // 2135
    u"Add Byte3",  // 2136
    u"Add Byte4",  // 2137
    u"Mnemonic",  // 2138
    u"Insert the ID Device of CANopen Device of SDO Request",  // 2139
    u"Insert the Index of SDO Request",  // 2140
    u"Insert the SubIndex of SDO Request",  // 2141
    u"Insert the Number of Bytes of SDO Request, 1 or 2 or 4 bytes",  // 2142
    u"Insert the Time in milliseconds between the sending of CANopen SDO Request",  // 2143
    u"Insert the position of array where place in byte 1 of CANopen SDO Request",  // 2144
    u"Insert the position of array where place in byte 2 of CANopen SDO Request",  // 2145
    u"Insert the position of array where place in byte 3 of CANopen SDO Request",  // 2146
    u"Insert the position of array where place in byte 4 of CANopen SDO Request",  // 2147
    u"Insert a description of the CANopen SDO Request",  // 2148
    u"Insert the ID Device of CANopen Device of SDO Request",  // 2149
    u"Insert the Index of SDO Request",  // 2150
    u"Insert the SubIndex of SDO Request",  // 2151
    u"Insert the Number of Bytes of SDO Request, 1 or 2 or 4 bytes",  // 2152
    u"Insert the Time in milliseconds between the sending of CANopen SDO Request",  // 2153
    u"Enable or Disable the possibility to send the CANopen SDO Request if a Data Byte changes",  // 2154
    u"Insert the position of array where put the byte 1 of CANopen SDO Request",  // 2155
    u"Insert the position of array where put the byte 2 of CANopen SDO Request",  // 2156
    u"Insert the position of array where put the byte 3 of CANopen SDO Request",  // 2157
    u"Insert the position of array where put the byte 4 of CANopen SDO Request",  // 2158
    u"Insert a description of the CANopen SDO Request",  // 2159
    u"Error row ",  // 2160
    u"!! [SDO Read] Device ID must be between 1 and 127",  // 2161
    u"!! [SDO Read] Index must be between 0x1000 and 0xFFFF",  // 2162
    u"!! [SDO Read] SubIndex must be between 0x00 and 0xFF",  // 2163
    u"!! [SDO Read] N Byte must be 1 or 2 or 4",  // 2164
    u"!! [SDO Read] Poll Time must be between 1 and 100000000",  // 2165
    u"!! [SDO Read] Address Byte1 must be between 0 and ",  // 2166
    u"!! [SDO Read] Address Byte2 must be between 0 and ",  // 2167
    u"!! [SDO Read] Address Byte3 must be between 0 and ",  // 2168
    u"!! [SDO Read] Address Byte4 must be between 0 and ",  // 2169
    u"!! [SDO Write] Device ID must be between 1 and 127",  // 2170
    u"!! [SDO Write] Index must be between 0x1000 and 0xFFFF",  // 2171
    u"!! [SDO Write] SubIndex must be between 0x00 and 0xFF",  // 2172
    u"!! [SDO Write] N Byte must be 1 or 2 or 4",  // 2173
    u"!! [SDO Write] Poll Time must be between 0 and 100000000",  // 2174
    u"!! [SDO Write] Address Byte1 must be between 0 and ",  // 2175
    u"!! [SDO Write] Address Byte2 must be between 0 and ",  // 2176
    u"!! [SDO Write] Address Byte3 must be between 0 and ",  // 2177
    u"!! [SDO Write] Address Byte4 must be between 0 and ",  // 2178
    u"Are you sure to delete the Row number ",  // 2179
    u" ",  // 2180
    u" ",  // 2181
    u" ",  // 2182
    u" ",  // 2183
    u" ",  // 2184
    u" ",  // 2185
    u" ",  // 2186
    u" ",  // 2187
    u" ",  // 2188
    u" ",  // 2189
    u" ",  // 2190
    u" ",  // 2191
    u" ",  // 2192
    u" ",  // 2193
    u" ",  // 2194
    u" ",  // 2195
    u" ",  // 2196
    u" ",  // 2197
    u" ",  // 2198
    u" ",  // 2199
    u"Set SDO Server Access",  // 2200
    u"Set SDO Server Access",  // 2201
    u"OK",  // 2202
    u"Cancel",  // 2203
    u"Delete Row",  // 2204
    u"Insert Row",  // 2205
    u"Copy Row",  // 2206
    u"Paste Row",  // 2207
    u"Confirm and save the CANopen SDOs Server List",  // 2208
    u"Exit without save the CANopen SDOs Server List",  // 2209
    u"Delete the Selected Row in the table",  // 2210
    u"Insert a Row in the Table",  // 2211
    u"Copy all Fields of the Selected Row",  // 2212
    u"Paste the Copied Fields in the Selected Row",  // 2213
    u"SDO in Read",  // 2214
    u"SDO in Write",  // 2215
    u"N",  // 2216
    u"Index",  // 2217
    u"SubIndex",  // 2218
    u"N Byte",  // 2219
    u"Add Byte1",  // 2220
    u"Add Byte2",  // 2221
    u"Add Byte3",  // 2222
    u"Add Byte4",  // 2223
    u"Mnemonic",  // 2224
    u"N",  // 2225
    u"Index",  // 2226
    u"SubIndex",  // 2227
    u"N Byte",  // 2228
    u"Add Byte1",  // 2229
    u"Add Byte2",  // 2230
    u"Add Byte3",  // 2231
    u"Add Byte4",  // 2232
    u"Mnemonic",  // 2233
    u"Insert the Index of SDO",  // 2234
    u"Insert the SubIndex of SDO",  // 2235
    u"Insert the Number of Bytes of SDO, 1 or 2 or 4 bytes",  // 2236
    u"Insert the position of array where read the byte 1 of CANopen SDO Request",  // 2237
    u"Insert the position of array where read the byte 2 of CANopen SDO Request",  // 2238
    u"Insert the position of array where read the byte 3 of CANopen SDO Request",  // 2239
    u"Insert the position of array where read the byte 4 of CANopen SDO Request",  // 2240
    u"Insert a description of the CANopen SDO Request",  // 2241
    u"Insert the Index of SDO",  // 2242
    u"Insert the SubIndex of SDO",  // 2243
    u"Insert the Number of Bytes of SDO, 1 or 2 or 4 bytes",  // 2244
    u"Insert the position of array where write the byte 1 of CANopen SDO Request",  // 2245
    u"Insert the position of array where write the byte 2 of CANopen SDO Request",  // 2246
    u"Insert the position of array where write the byte 3 of CANopen SDO Request",  // 2247
    u"Insert the position of array where write the byte 4 of CANopen SDO Request",  // 2248
    u"Insert a description of the CANopen SDO Request",  // 2249
    u"Error row ",  // 2250
    u"!! [SDO in Read] Index must be between 0x2000 and 0x5FFF",  // 2251
    u"!! [SDO in Read] SubIndex must be between 0x00 and 0xFF",  // 2252
    u"!! [SDO in Read] N Byte must be 1 or 2 or 4",  // 2253
    u"!! [SDO in Read] Address Byte1 must be between 0 and ",  // 2254
    u"!! [SDO in Read] Address Byte2 must be between 0 and ",  // 2255
    u"!! [SDO in Read] Address Byte3 must be between 0 and ",  // 2256
    u"!! [SDO in Read] Address Byte4 must be between 0 and ",  // 2257
    u"!! [SDO in Write] Index must be between 0x2000 and 0x5FFF",  // 2258
    u"!! [SDO in Write] SubIndex must be between 0x00 and 0xFF",  // 2259
    u"!! [SDO in Write] N Byte must be 1 or 2 or 4",  // 2260
    u"!! [SDO in Write] Address Byte1 must be between 0 and ",  // 2261
    u"!! [SDO in Write] Address Byte2 must be between 0 and ",  // 2262
    u"!! [SDO in Write] Address Byte3 must be between 0 and ",  // 2263
    u"!! [SDO in Write] Address Byte4 must be between 0 and ",  // 2264
    u"Are you sure to delete the Row number ",  // 2265
    u" ",  // 2266
    u" ",  // 2267
    u" ",  // 2268
    u" ",  // 2269
    u" ",  // 2270
    u" ",  // 2271
    u" ",  // 2272
    u" ",  // 2273
    u" ",  // 2274
    u" ",  // 2275
    u" ",  // 2276
    u" ",  // 2277
    u" ",  // 2278
    u" ",  // 2279
    u" ",  // 2280
    u" ",  // 2281
    u" ",  // 2282
    u" ",  // 2283
    u" ",  // 2284
    u" ",  // 2285
    u" ",  // 2286
    u" ",  // 2287
    u" ",  // 2288
    u" ",  // 2289
    u" ",  // 2290
    u" ",  // 2291
    u" ",  // 2292
    u" ",  // 2293
    u" ",  // 2294
    u" ",  // 2295
    u" ",  // 2296
    u" ",  // 2297
    u" ",  // 2298
    u" ",  // 2299
    u"EtherNet/IP EDS Decode - Select the Connection to use",  // 2300
    u"Select the Connection To use",  // 2301
    u"OK",  // 2302
    u"Cancel",  // 2303
    u"Confirm the Connection to use with the EtherNet/IP Device",  // 2304
    u"Exit without select any EtherNet/IP Device Connection",  // 2305
    u"Connection",  // 2306
    u"Connection Name",  // 2307
    u"Help String",  // 2308
    u"Instance O > T",  // 2309
    u"Conn. Point O > T",  // 2310
    u"Instance T > O",  // 2311
    u"Conn. Point T > O",  // 2312
    u"Dim Header O > T",  // 2313
    u"Dim Header T > O",  // 2314
    u"Error!! No Valid Connection found",  // 2315
    u" ",  // 2316
    u" ",  // 2317
    u" ",  // 2318
    u" ",  // 2319
    u" ",  // 2320
    u" ",  // 2321
    u" ",  // 2322
    u" ",  // 2323
    u" ",  // 2324
    u" ",  // 2325
    u" ",  // 2326
    u" ",  // 2327
    u" ",  // 2328
    u" ",  // 2329
    u" ",  // 2330
    u" ",  // 2331
    u" ",  // 2332
    u" ",  // 2333
    u" ",  // 2334
    u" ",  // 2335
    u" ",  // 2336
    u" ",  // 2337
    u" ",  // 2338
    u" ",  // 2339
    u" ",  // 2340
    u" ",  // 2341
    u" ",  // 2342
    u" ",  // 2343
    u" ",  // 2344
    u" ",  // 2345
    u" ",  // 2346
    u" ",  // 2347
    u" ",  // 2348
    u" ",  // 2349
    u" ",  // 2350
    u" ",  // 2351
    u" ",  // 2352
    u" ",  // 2353
    u" ",  // 2354
    u" ",  // 2355
    u" ",  // 2356
    u" ",  // 2357
    u" ",  // 2358
    u" ",  // 2359
    u" ",  // 2360
    u" ",  // 2361
    u" ",  // 2362
    u" ",  // 2363
    u" ",  // 2364
    u" ",  // 2365
    u" ",  // 2366
    u" ",  // 2367
    u" ",  // 2368
    u" ",  // 2369
    u" ",  // 2370
    u" ",  // 2371
    u" ",  // 2372
    u" ",  // 2373
    u" ",  // 2374
    u" ",  // 2375
    u" ",  // 2376
    u" ",  // 2377
    u" ",  // 2378
    u" ",  // 2379
    u" ",  // 2380
    u" ",  // 2381
    u" ",  // 2382
    u" ",  // 2383
    u" ",  // 2384
    u" ",  // 2385
    u" ",  // 2386
    u" ",  // 2387
    u" ",  // 2388
    u" ",  // 2389
    u" ",  // 2390
    u" ",  // 2391
    u" ",  // 2392
    u" ",  // 2393
    u" ",  // 2394
    u" ",  // 2395
    u" ",  // 2396
    u" ",  // 2397
    u" ",  // 2398
    u" ",  // 2399
};

}  // namespace gw
